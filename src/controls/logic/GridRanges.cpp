#include "GridRanges.h"

#include <algorithm>

TRange::TRange(TRanges* collection) : collection_(collection)
{
    if (collection_ && collection_->GetOwner()) {
        const TRangesOwner* owner = collection_->GetOwner();
        color_ = owner->Color();
        font_ = owner->RangeFont();
        fontColor_ = owner->FontColor();
    }
}

void TRange::Assign(const TRange& source)
{
    if (&source == this)
        return;
    colLeft_ = source.colLeft_;
    colRight_ = source.colRight_;
    rowTop_ = source.rowTop_;
    rowBottom_ = source.rowBottom_;
    alignment_ = source.alignment_;
    alignmentV_ = source.alignmentV_;
    color_ = source.color_;
    font_ = source.font_;
    fontColor_ = source.fontColor_;
    text_ = source.text_;
    union_ = source.union_;
    bevelInner_ = source.bevelInner_;
    rangeType_ = source.rangeType_;
    maxLength_ = source.maxLength_;
    imeMode_ = source.imeMode_;
    editMask_ = source.editMask_;
    min_ = source.min_;
    max_ = source.max_;
    default_ = source.default_;
    fmtStr_ = source.fmtStr_;
    Changed();
}

void TRange::Changed()
{
    if (collection_)
        collection_->Update(this);
}

int TRange::ClampCol(int value) const
{
    const TRangesOwner* owner = collection_ ? collection_->GetOwner() : nullptr;
    const int last = owner ? std::max(0, owner->ColCount() - 1) : value;
    return std::clamp(value, 0, std::max(0, last));
}

int TRange::ClampRow(int value) const
{
    const TRangesOwner* owner = collection_ ? collection_->GetOwner() : nullptr;
    const int last = owner ? std::max(0, owner->RowCount() - 1) : value;
    return std::clamp(value, 0, std::max(0, last));
}

namespace {

// The common rule of the setters: an unchanged value changes nothing.
template <typename T>
bool Store(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

void TRange::SetColLeft(int value)
{
    value = ClampCol(value);
    if (!Store(colLeft_, value))
        return;
    if (colRight_ < value)
        colRight_ = value;
    Changed();
}

void TRange::SetColRight(int value)
{
    value = ClampCol(value);
    if (!Store(colRight_, value))
        return;
    if (colLeft_ > value)
        colLeft_ = value;
    Changed();
}

void TRange::SetRowTop(int value)
{
    value = ClampRow(value);
    if (!Store(rowTop_, value))
        return;
    if (rowBottom_ < value)
        rowBottom_ = value;
    Changed();
}

void TRange::SetRowBottom(int value)
{
    value = ClampRow(value);
    if (!Store(rowBottom_, value))
        return;
    if (rowTop_ > value)
        rowTop_ = value;
    Changed();
}

void TRange::SetUnion(bool value)
{
    if (Store(union_, value && rangeType_ == trtFixedStr))
        Changed();
}

void TRange::SetBevelInner(TBevelCut value)
{
    if (Store(bevelInner_, value))
        Changed();
}

void TRange::SetAlignment(TAlignment value)
{
    if (Store(alignment_, value))
        Changed();
}

void TRange::SetAlignmentV(TAlignmentV value)
{
    if (Store(alignmentV_, value))
        Changed();
}

void TRange::SetColor(vcl::TColor value)
{
    if (Store(color_, value))
        Changed();
}

void TRange::SetFont(const QFont& value)
{
    font_ = value;
    Changed();
}

void TRange::SetFontColor(vcl::TColor value)
{
    if (Store(fontColor_, value))
        Changed();
}

void TRange::SetText(const QString& value)
{
    if (Store(text_, value))
        Changed();
}

void TRange::SetRangeType(TRangeType value)
{
    if (rangeType_ == value)
        return;
    // Union belongs to fixed text; a range already of another kind loses it.
    if (rangeType_ != trtFixedStr)
        union_ = false;
    rangeType_ = value;
    Changed();
}

void TRange::SetMaxLength(int value)
{
    if (Store(maxLength_, std::max(0, value)))
        Changed();
}

void TRange::SetMin(double value)
{
    if (Store(min_, value))
        Changed();
}

void TRange::SetMax(double value)
{
    if (Store(max_, value))
        Changed();
}

void TRange::SetDefault(double value)
{
    if (Store(default_, value))
        Changed();
}

void TRange::SetFmtStr(const QString& value)
{
    if (Store(fmtStr_, value))
        Changed();
}

void TRange::SetItems(const QStringList& value)
{
    items_ = value;
    Changed();
}

void TRange::SetColWidth(int value)
{
    if (Store(colWidth_, value))
        Changed();
}

void TRange::SetRowHeight(int value)
{
    if (Store(rowHeight_, value))
        Changed();
}

TRanges::TRanges(TRangesOwner* owner) : owner_(owner) {}

TRange* TRanges::Add()
{
    items_.push_back(std::make_unique<TRange>(this));
    Update(nullptr);
    return items_.back().get();
}

TRange* TRanges::Items(int index) const
{
    if (index < 0 || index >= Count())
        return nullptr;
    return items_[static_cast<size_t>(index)].get();
}

void TRanges::SetItem(int index, const TRange& source)
{
    if (TRange* item = Items(index))
        item->Assign(source);
}

void TRanges::Delete(int index)
{
    if (index < 0 || index >= Count())
        return;
    items_.erase(items_.begin() + index);
    Update(nullptr);
}

void TRanges::Clear()
{
    if (items_.empty())
        return;
    items_.clear();
    Update(nullptr);
}

void TRanges::Assign(const TRanges& source)
{
    if (&source == this)
        return;
    items_.clear();
    for (const auto& item : source.items_) {
        items_.push_back(std::make_unique<TRange>(this));
        items_.back()->Assign(*item);
    }
    Update(nullptr);
}

TRange* TRanges::Find(int col, int row) const
{
    for (const auto& item : items_)
        if (item->Contains(col, row))
            return item.get();
    return nullptr;
}

void TRanges::Update(TRange* item)
{
    if (owner_)
        owner_->RangeChanged(item);
}
