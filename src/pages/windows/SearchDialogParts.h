#pragma once
// What the patient and case search dialogs share: the look, the five search
// edits with their labels, the result grid and the rule that only a row
// showing a hit can be chosen.
#include "Colors.h"
#include "SearchStatements.h"

#include <QString>
#include <vector>

class QLineEdit;
class QWidget;
class TStringGridEx;
class TplButton;

namespace searchdialog {

inline constexpr int ClientWidth = 656;
inline constexpr int ClientHeight = 477;
inline constexpr int GridLeft = 16;
inline constexpr int GridTop = 144;
inline constexpr int GridWidth = 624;
inline constexpr int GridVisibleRows = 11; // the header and ten rows
inline constexpr int ResultColumnWidth = 120;

// The five edits, placed in three rows with their labels.
struct TSearchEdits {
    QLineEdit* Edit1 = nullptr; // patient number, input method off
    QLineEdit* Edit2 = nullptr; // name
    QLineEdit* Edit3 = nullptr; // name in kana
    QLineEdit* Edit5 = nullptr; // department
    QLineEdit* Edit6 = nullptr; // doctor
};
TSearchEdits AddSearchEdits(QWidget* dialog);
TSearchFields ReadSearchFields(const TSearchEdits& edits);
void ClearSearchEdits(const TSearchEdits& edits);

// The dialog's own font and colour.
void StyleDialog(QWidget* dialog);

// A read-only grid selecting whole rows, one header row, no fixed column;
// the first columns get the captions, every column the given width.
struct TResultColumn {
    QString Caption;
    int Width;
};
TStringGridEx* AddResultGrid(QWidget* dialog, const QString& name, const std::vector<TResultColumn>& columns);

// Sets the row count and empties every data row; the header stays.
void ResetResultRows(TStringGridEx* grid, int rowCount);

// Whether the grid's current row shows a hit (its first cell is not empty).
bool CurrentRowShowsHit(const TStringGridEx* grid);

// The buttons of both dialogs, in the program's button style.
struct TSearchButtons {
    TplButton* plButton8 = nullptr;  // "検索"
    TplButton* plButton1 = nullptr;  // "クリア"
    TplButton* plButton2 = nullptr;  // "選択", closes with OK
    TplButton* plButton3 = nullptr;  // "閉じる", closes with Cancel
    TplButton* plButton29 = nullptr; // "?"
};
TSearchButtons AddSearchButtons(QWidget* dialog);

} // namespace searchdialog
