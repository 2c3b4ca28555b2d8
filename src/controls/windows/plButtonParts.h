#pragma once
// The two parts a painted button owns: one caption line and the image.
// Each repaints its button when a shown value changes.
#include "plButtonTypes.h"

#include <QString>

class TplButton;

class TplBBtnCaption {
public:
    explicit TplBBtnCaption(TplButton* owner) : owner_(owner) {}
    TplBBtnCaption(const TplBBtnCaption&) = delete;
    TplBBtnCaption& operator=(const TplBBtnCaption&) = delete;

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& value);
    TplBBtnAlignment Alignment() const { return alignment_; }
    void SetAlignment(TplBBtnAlignment value);
    int Left() const { return left_; } // margin for taLeft and taEven
    void SetLeft(int value);
    int Right() const { return right_; } // margin for taRight and taEven
    void SetRight(int value);

    // Copies Alignment, Caption, Left and Right, then repaints.
    void Assign(const TplBBtnCaption& source);

private:
    void Changed();

    TplButton* owner_;
    QString caption_;
    TplBBtnAlignment alignment_ = TplBBtnAlignment::taCenter;
    int left_ = 0;
    int right_ = 0;
};

class TplBBtnImage {
public:
    explicit TplBBtnImage(TplButton* owner) : owner_(owner) {}
    TplBBtnImage(const TplBBtnImage&) = delete;
    TplBBtnImage& operator=(const TplBBtnImage&) = delete;

    const TPicture& Picture() const { return picture_; }
    // Keeps a bitmap or an icon; any other graphic leaves the image empty.
    void SetPicture(const TPicture& value);

    int Left() const { return left_; }
    void SetLeft(int value); // also switches HorzCenter off
    int Top() const { return top_; }
    void SetTop(int value); // also switches VertCenter off
    bool TransParent() const { return transParent_; }
    void SetTransParent(bool value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    bool VertCenter() const { return vertCenter_; }
    void SetVertCenter(bool value);
    bool HorzCenter() const { return horzCenter_; }
    void SetHorzCenter(bool value);

    // Copies the picture, TransParent, VertCenter, HorzCenter, Top, Left and
    // Visible, without repainting.
    void Assign(const TplBBtnImage& source);

private:
    friend class TplButton; // centring writes Left and Top at each paint

    void Changed();

    TplButton* owner_;
    TPicture picture_;
    int left_ = 10;
    int top_ = 0;
    bool transParent_ = false;
    bool visible_ = true;
    bool vertCenter_ = true;
    bool horzCenter_ = false;
};
