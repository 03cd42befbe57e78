#pragma once
// The keys of the editor's fields: a character rule applied to every typed
// character, and Enter doing the field's own action instead of being typed.
// Shortcuts (Ctrl or Alt held) pass untouched; text that arrives through
// them, by pasting, is cleaned by the same rule where the field asks for it.
#include <functional>
#include <optional>

class QLineEdit;
class QWidget;
class TMyInplaceEditList;
class TVertGrid;

// What a typed character becomes: itself, another one, or nothing (dropped).
using TCharRule = std::optional<char> (*)(char);

// Filters the keys typed into `widget` for its life. A null rule leaves the
// characters alone; every Enter runs `onEnter` (when given) and is dropped.
void FilterTypedChars(QWidget& widget, TCharRule rule, std::function<void()> onEnter);

// As FilterTypedChars, and pasted text loses what the rule drops, so the
// characters the printed form's markup cannot take never reach the statement.
void GuardLineEdit(QLineEdit& edit, TCharRule rule, std::function<void()> onEnter);

// Tab and Backtab typed into `watched` move the focus to the control after
// (before) `control` and its parts in the tab order, instead of moving
// inside it (to a grid's next cell, a date's next section).
void LeaveOnTab(QWidget& watched, QWidget& control);

// Runs `opened` for every in-place editor the grid opens, before it takes
// its first key. Tab leaves the grid, from its editors too.
void OnGridEditorOpened(TVertGrid& grid, std::function<void(TMyInplaceEditList&)> opened);
