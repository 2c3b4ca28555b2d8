#pragma once
// Where the small windows of the schedule appear.
class QWidget;

// Moves a window so that its frame sits in the middle of its screen's
// available area.
void CenterOnScreen(QWidget* window);
