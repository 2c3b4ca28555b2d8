#include "CommentText.h"

TFittedEdit FitCommentEdit(const QString& before, const QString& after, int maxBytes)
{
    return vcl::FitCp932Edit(before, after, maxBytes, vcl::ControlCharacters::Kept);
}
