#pragma once
// The hint line of the main window: one fixed sentence per control, shown in
// `Panel17` while the pointer moves over the control. A control is known by
// the window or frame that owns it and its name, since two controls may share
// a name (the schedule page's `plButton2` and the calendar frame's).
#include <QString>
#include <optional>
#include <span>

struct THintRow {
    const char16_t* Owner;     // "frmMain" or a frame of it ("TCalender1")
    const char16_t* Control;   // the control's object name
    const char16_t* Sentence;  // as written: most begin with a half-width blank
};

// Every row, in the order the hints were written.
std::span<const THintRow> HintRows();

// The sentence of a control; nothing for a control without one.
std::optional<QString> HintFor(const QString& owner, const QString& control);

// Whether a window or frame owns controls with hints.
bool IsHintOwner(const QString& name);
