// What a screen reader is told of the controls a layout leaves unlabelled:
// each one's name, and, for a line that shows results, that its new text is
// read out. Windows' dynamic annotation does it without touching the layout.
#pragma once

#include <windows.h>

#include <cstddef>

namespace quill::win {

struct ControlAnnotation {
    HWND control;
    // None for a static text, whose name is its text.
    const wchar_t* name;
    // A polite live region: each new text is read out once, and the focus stays where it is.
    bool liveRegion;
};

// How a window annotates its controls when it opens, and takes the
// annotations back when it goes: the system's dynamic annotation in the
// program, a recorder in tests.
using Annotate = void (*)(const ControlAnnotation* controls, std::size_t count, bool annotate);

// Through IAccPropServices, on each control's client object. Where the system
// has no such service, or it refuses, nothing is said and nothing fails.
void AnnotateForScreenReaders(const ControlAnnotation* controls, std::size_t count, bool annotate);

// Tells screen readers that a live region's text has changed.
inline void AnnounceLiveRegion(HWND control) {
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, control, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace quill::win
