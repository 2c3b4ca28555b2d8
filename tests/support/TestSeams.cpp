#include "TestSeams.h"

namespace testing_seams {

FixedClock::FixedClock(vcl::TDateTime now) : now_(now), previous_(vcl::SetClock(this)) {}

FixedClock::~FixedClock()
{
    vcl::SetClock(previous_);
}

TempBaseDir::TempBaseDir()
{
    vcl::SetAppBaseDir(dir_.path());
}

TempBaseDir::~TempBaseDir()
{
    vcl::SetAppBaseDir(QString());
}

ScriptedMessageBoxes::ScriptedMessageBoxes() : previous_(vcl::SetMessageBoxService(this)) {}

ScriptedMessageBoxes::~ScriptedMessageBoxes()
{
    vcl::SetMessageBoxService(previous_);
}

int ScriptedMessageBoxes::Show(const QString& text, const QString& caption, int flags)
{
    shown_.push_back({text, caption, flags});
    if (answers_.empty())
        return vcl::IDOK;
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

} // namespace testing_seams
