#pragma once
// The statement editor on the offscreen platform over a store with two
// firms and two banks, the template in the working folder and a preview
// that records what it was given instead of showing a window.
#include "EditorTestSupport.h"
#include "controls/VertGrid.h"
#include "statement/ui/TfmDocumentEditor.h"
#include "text/qt/QtCodec.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <map>
#include <memory>
#include <string>
#include <vector>

// The program's errors that left a handler, as the application's error box
// would have shown them (oldest first).
std::vector<std::string>& CaughtErrors();

class EditorWindow : public EditorStore {
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the editor for the statement `id` (0 = new) and gives it the focus.
    void Show(std::int64_t id = 0);
    // The window is active again after a message box (the offscreen
    // platform has no window manager to do it).
    void Reactivate();

    template <class T> T& Find(const char* name) {
        T* widget = editor_->findChild<T*>(name);
        if (widget == nullptr) {
            ADD_FAILURE() << "no control " << name;
            throw std::runtime_error(name);
        }
        return *widget;
    }
    TVertGrid& Cash() { return Find<TVertGrid>("Cash"); }
    TVertGrid& Source() { return Find<TVertGrid>("Source"); }
    std::string Text(const char* labelOrEdit);
    // Green, red or another colour of a label's text.
    std::string Colour(const char* label);

    // Types `text` (Windows-1251) key by key into the focused widget.
    void Type(const std::string& text);
    void PressEnter();
    // Clicks the count (column 1) cell of a grid row and types into it.
    void TypeCell(TVertGrid& grid, int row, const std::string& text);
    void Click(const char* button);
    // The name of the widget that has the focus (its owner's for a grid editor).
    std::string FocusName();

    // Bag 12; one 5000-rouble note, three 100-rouble notes, two 50-kopeck
    // coins: 5301,00 on the first source.
    void FillValid();
    // Appends earn sources named "Источник N" with symbol N.
    void AddSources(int count);

    std::int64_t payer_ = 0, receiver_ = 0, bankA_ = 0, bankB_ = 0;
    // What the preview was given: the report's variables, one map per preview.
    std::vector<std::map<std::string, std::string>> previews_;
    std::vector<std::string> printedNames_;
    std::unique_ptr<TfmDocumentEditor> editor_;
};
