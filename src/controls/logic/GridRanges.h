#pragma once
// The ranges of a typed-cell grid: each TRange describes one rectangle of
// cells (look, kind, limits, format); TRanges is the ordered collection the
// grid looks cells up in, first match winning.
#include "Colors.h"
#include "GridTypes.h"

#include <QFont>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class TRange;

// What a collection needs from the grid that owns it: the bounds its items
// are clamped to, the look a new item starts with, and a place to report a
// changed item (column widths, row heights, repaint).
class TRangesOwner {
public:
    virtual int ColCount() const = 0;
    virtual int RowCount() const = 0;
    virtual vcl::TColor Color() const = 0;
    virtual QFont RangeFont() const = 0;
    virtual vcl::TColor FontColor() const = 0;
    virtual void RangeChanged(TRange* item) = 0; // nullptr: the collection itself changed

protected:
    ~TRangesOwner() = default;
};

class TRanges;

class TRange {
public:
    explicit TRange(TRanges* collection);
    TRange(const TRange&) = delete;
    TRange& operator=(const TRange&) = delete;

    // Copies bounds, look, kind, limits, input method, mask and format; not
    // Items, ColWidth, RowHeight or the disabled flag.
    void Assign(const TRange& source);

    int ColLeft() const { return colLeft_; }
    int ColRight() const { return colRight_; }
    int RowTop() const { return rowTop_; }
    int RowBottom() const { return rowBottom_; }
    bool Union() const { return union_; }
    TBevelCut BevelInner() const { return bevelInner_; }
    TAlignment Alignment() const { return alignment_; }
    TAlignmentV AlignmentV() const { return alignmentV_; }
    vcl::TColor Color() const { return color_; }
    const QFont& Font() const { return font_; }
    vcl::TColor FontColor() const { return fontColor_; }
    const QString& Text() const { return text_; }
    TRangeType RangeType() const { return rangeType_; }
    int MaxLength() const { return maxLength_; }
    TImeMode ImeMode() const { return imeMode_; }
    const QString& EditMask() const { return editMask_; }
    double Min() const { return min_; }
    double Max() const { return max_; }
    double Default() const { return default_; }
    const QString& FmtStr() const { return fmtStr_; }
    const QStringList& Items() const { return items_; }
    int ColWidth() const { return colWidth_; }
    int RowHeight() const { return rowHeight_; }
    bool Disabled() const { return disabled_; }

    bool Contains(int col, int row) const
    {
        return colLeft_ <= col && col <= colRight_ && rowTop_ <= row && row <= rowBottom_;
    }

    // Each setter does nothing for an unchanged value; otherwise it stores
    // the value and reports the change to the collection.
    void SetColLeft(int value);   // clamped to the grid; pushes ColRight along
    void SetColRight(int value);  // clamped to the grid; pushes ColLeft along
    void SetRowTop(int value);
    void SetRowBottom(int value);
    void SetUnion(bool value);    // kept only while the range is trtFixedStr
    void SetBevelInner(TBevelCut value);
    void SetAlignment(TAlignment value);
    void SetAlignmentV(TAlignmentV value);
    void SetColor(vcl::TColor value);
    void SetFont(const QFont& value);       // always copied and reported
    void SetFontColor(vcl::TColor value);
    void SetText(const QString& value);
    void SetRangeType(TRangeType value);    // leaving a non-fixed type clears Union
    void SetMaxLength(int value);           // negative counts as 0
    void SetMin(double value);
    void SetMax(double value);
    void SetDefault(double value);
    void SetFmtStr(const QString& value);
    void SetItems(const QStringList& value); // always copied and reported
    void SetColWidth(int value);
    void SetRowHeight(int value);
    // Written directly: neither changes the look.
    void SetImeMode(TImeMode value) { imeMode_ = value; }
    void SetEditMask(const QString& value) { editMask_ = value; }
    // Set through the grid's SetCellDisabled: the whole range becomes inert.
    void SetDisabled(bool value) { disabled_ = value; }

private:
    void Changed();
    int ClampCol(int value) const;
    int ClampRow(int value) const;

    TRanges* collection_;
    int colLeft_ = 0;
    int colRight_ = 0;
    int rowTop_ = 0;
    int rowBottom_ = 0;
    bool union_ = false;
    TBevelCut bevelInner_ = bvNone;
    TAlignment alignment_ = taLeftJustify;
    TAlignmentV alignmentV_ = tavTop;
    vcl::TColor color_ = vcl::clWindow;
    QFont font_;
    vcl::TColor fontColor_ = vcl::clWindowText;
    QString text_;
    TRangeType rangeType_ = trtFixedStr;
    int maxLength_ = 0;
    TImeMode imeMode_ = imDisable;
    QString editMask_;
    double min_ = 0;
    double max_ = 0;
    double default_ = 0;
    QString fmtStr_;
    QStringList items_;
    int colWidth_ = 0;
    int rowHeight_ = 0;
    bool disabled_ = false;
};

class TRanges {
public:
    explicit TRanges(TRangesOwner* owner);
    TRanges(const TRanges&) = delete;
    TRanges& operator=(const TRanges&) = delete;

    TRangesOwner* GetOwner() const { return owner_; }

    TRange* Add();                    // a new range with the owner's colour and font
    int Count() const { return static_cast<int>(items_.size()); }
    TRange* Items(int index) const;   // nullptr outside 0 .. Count-1
    void SetItem(int index, const TRange& source);
    void Delete(int index);
    void Clear();
    // Replaces every item by a copy of the source's items (TRange::Assign).
    void Assign(const TRanges& source);

    // The first range, in collection order, that holds the cell; nullptr when none.
    TRange* Find(int col, int row) const;

    // Called by a changed item: its column widths and row heights reach the
    // grid, which repaints.
    void Update(TRange* item);

private:
    TRangesOwner* owner_;
    std::vector<std::unique_ptr<TRange>> items_;
};
