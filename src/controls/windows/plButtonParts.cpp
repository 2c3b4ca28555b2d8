#include "plButtonParts.h"

#include "plButton.h"

void TplBBtnCaption::Changed()
{
    if (owner_)
        owner_->update();
}

void TplBBtnCaption::SetCaption(const QString& value)
{
    if (caption_ != value) {
        caption_ = value;
        Changed();
    }
}

void TplBBtnCaption::SetAlignment(TplBBtnAlignment value)
{
    if (alignment_ != value) {
        alignment_ = value;
        Changed();
    }
}

void TplBBtnCaption::SetLeft(int value)
{
    if (left_ != value) {
        left_ = value;
        Changed();
    }
}

void TplBBtnCaption::SetRight(int value)
{
    if (right_ != value) {
        right_ = value;
        Changed();
    }
}

void TplBBtnCaption::Assign(const TplBBtnCaption& source)
{
    alignment_ = source.alignment_;
    caption_ = source.caption_;
    left_ = source.left_;
    right_ = source.right_;
    Changed();
}

void TplBBtnImage::Changed()
{
    if (owner_)
        owner_->update();
}

void TplBBtnImage::SetPicture(const TPicture& value)
{
    picture_ = value;
    if (picture_.kind != TGraphicKind::Bitmap && picture_.kind != TGraphicKind::Icon)
        picture_ = TPicture();
    else
        Changed();
}

void TplBBtnImage::SetLeft(int value)
{
    left_ = value;
    horzCenter_ = false;
    Changed();
}

void TplBBtnImage::SetTop(int value)
{
    top_ = value;
    vertCenter_ = false;
    Changed();
}

void TplBBtnImage::SetTransParent(bool value)
{
    if (transParent_ != value) {
        transParent_ = value;
        Changed();
    }
}

void TplBBtnImage::SetVisible(bool value)
{
    if (visible_ != value) {
        visible_ = value;
        Changed();
    }
}

void TplBBtnImage::SetVertCenter(bool value)
{
    if (vertCenter_ != value) {
        vertCenter_ = value;
        if (value)
            Changed();
    }
}

void TplBBtnImage::SetHorzCenter(bool value)
{
    if (horzCenter_ != value) {
        horzCenter_ = value;
        if (value)
            Changed();
    }
}

void TplBBtnImage::Assign(const TplBBtnImage& source)
{
    picture_ = source.picture_;
    transParent_ = source.transParent_;
    vertCenter_ = source.vertCenter_;
    horzCenter_ = source.horzCenter_;
    top_ = source.top_;
    left_ = source.left_;
    visible_ = source.visible_;
}
