#pragma once
// How the main window opens the program's modal dialogs without knowing
// their classes: each dialog registers an opener under its id, and the grid,
// the menus, the toolbar and the tree call OpenDialog. An id with no opener
// does nothing, so the window works without the composition root, and a test
// can put its own opener in place of a real dialog.
#include <functional>
#include <utility>

enum class DialogId {
    CHEdit,       // the single-channel dialog, for CurCHNo of CHListType
    CHBatch,      // the batch channel editor
    Option,       // option settings
    CommuBook,    // contact book
    Alert,        // alert settings
    Scan,         // scan settings
    Note,         // event records
    DTMF,         // DTMF signalling
    Tone2,        // two-tone signalling
    Tone5,        // five-tone signalling
    Model,        // band plan
    ComSet,       // serial port choice
    Language,     // language switch
    PrintList,    // print item selection
    TestData,     // factory test data
    About,        // the About box
};

// Shows the dialog modally and returns when it has closed.
using DialogOpener = std::function<void()>;

// Registers (or, with an empty opener, removes) the opener of `id`; returns
// the one it replaces.
DialogOpener SetDialogOpener(DialogId id, DialogOpener opener);

// Runs the opener of `id`; false when none is registered.
bool OpenDialog(DialogId id);

// Registers `opener` for `id` for the life of the object and puts back the
// one it replaced.
class ScopedDialogOpener {
public:
    ScopedDialogOpener(DialogId id, DialogOpener opener) : id_(id), previous_(SetDialogOpener(id, std::move(opener))) {}
    ~ScopedDialogOpener() { SetDialogOpener(id_, std::move(previous_)); }
    ScopedDialogOpener(const ScopedDialogOpener&) = delete;
    ScopedDialogOpener& operator=(const ScopedDialogOpener&) = delete;

private:
    DialogId id_;
    DialogOpener previous_;
};

// Removes every opener (the program's state back to its start).
void ResetDialogOpeners();
