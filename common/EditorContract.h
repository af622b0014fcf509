#pragma once

#include <QtGlobal>

#include <functional>

// How a window hands a record to its editor: the opener sets the inputs and shows the editor
// modally, then reads the outputs once the modal call returns.
enum EditorMode { ModeNew, ModeEdit, ModeView };

// Inputs of every record editor. Derive an editor from it (the type is ::EditorMode inside).
struct EditorContract {
    ::EditorMode EditorMode = ModeNew;
    qint64 RecordId = 0; // ignored in ModeNew

    bool isReadOnly() const { return EditorMode == ModeView; }
};

// Editors that step through the opener's list.
struct SteppingEditorContract : EditorContract {
    // Inputs: whether the opener's list has a row before / after the current one.
    bool HasPrevious = false;
    bool HasNext = false;
    // Outputs: the user asked for the previous / next record.
    bool GoPrevious = false;
    bool GoNext = false;

    // An opener that does not step.
    void openSingle(::EditorMode mode, qint64 id)
    {
        EditorMode = mode;
        RecordId = id;
        HasPrevious = HasNext = false;
    }
};

// The opener's stepping loop. `prepare` sets the editor's mode, RecordId, HasPrevious and HasNext
// from the opener's current row; `show` runs the editor modally; `movePrevious` / `moveNext` move
// the opener's selection and return false when there is no row to move to. Loops while the
// editor asks for another record.
inline void runSteppingEditor(SteppingEditorContract &editor, const std::function<void()> &prepare,
                              const std::function<void()> &show, const std::function<bool()> &movePrevious,
                              const std::function<bool()> &moveNext)
{
    for (;;) {
        // Outputs of the previous showing must not start another step.
        editor.GoPrevious = false;
        editor.GoNext = false;
        prepare();
        show();
        bool moved = false;
        if (editor.GoPrevious)
            moved = movePrevious();
        else if (editor.GoNext)
            moved = moveNext();
        // A request the list cannot follow ends the loop rather than reopening the same row.
        if (!moved)
            return;
    }
}
