// Whether a top-level window has an entry of its own in the desktop's task
// bar. A program that lives in the notification area keeps its window out of
// the task bar; without a notification area the entry is the way back to a
// minimised window. On X11 this is the window manager's skip-taskbar state;
// elsewhere the desktop decides alone.
#pragma once

class QWidget;

// The choice holds for the window from now on, also for every later showing.
void SetTaskbarEntry(QWidget* window, bool entry);
// The choice made for the window; true until one is made.
bool HasTaskbarEntry(const QWidget* window);
