// The option window's commands, the main window's like every command, and
// what the picker hands to that window: the colour, the test colours, the
// docking and its showing.
#include "TForm1.h"

#include "ApplicationWindows.h"

#include "color/ColorCode.h"
#include "controls/TKNPanel.h"
#include "lists/ColorList.h"
#include "lists/ColorListView.h"
#include "lists/TForm2.h"
#include "text/AsciiCase.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <array>

namespace kolvi {

namespace {

// The option window counts as shown when it exists and is visible; its
// commands do nothing otherwise.
TForm2* ShownOptionWindow() {
    return Form2 != nullptr && Form2->isVisible() ? Form2 : nullptr;
}

} // namespace

void TForm1::CreateOptionWindow() {
    // Favourites and a Colors folder beside the settings (the program's folder,
    // or the per-user one of an installed kolvi); list files from both folders.
    const QDir settingsFolder = QFileInfo(settingsFiles_.write).absoluteDir();
    const QDir programFolder(QCoreApplication::applicationDirPath());
    std::vector<QString> colorFolders{programFolder.filePath(QStringLiteral("Colors"))};
    if (settingsFolder != programFolder) {
        colorFolders.push_back(settingsFolder.filePath(QStringLiteral("Colors")));
    }
    form2_ = std::make_unique<TForm2>(
        *this, settingsFolder.filePath(QStringLiteral("favorite.dat")), std::move(colorFolders));
    windows_->SetOptionWindow(form2_.get());
}

void TForm1::SyncOptionWindow() {
    if (form2_ == nullptr || !isVisible()) {
        return;
    }
    if (ActionOptionSub->isChecked()) {
        // Placed before it shows, so the window manager puts its frame there.
        const QRect frame = frameGeometry();
        form2_->move(frame.left() + frame.width(), frame.top());
        form2_->show();
    } else {
        form2_->close();
    }
}

void TForm1::DockOptionWindow() {
    if (form2_ != nullptr && form2_->isVisible()) {
        const QRect frame = frameGeometry();
        form2_->move(frame.left() + frame.width(), frame.top());
    }
}

void TForm1::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    // Dragged by the user (the active window): the option window follows.
    if (isVisible() && isActiveWindow()) {
        DockOptionWindow();
    }
}

void TForm1::ApplyTestColor(TKNPanel* swatch, Qt::MouseButton button) {
    if (form2_ == nullptr) {
        return;
    }
    const QColor c = swatch->Color();
    const TColor color = MakeColor(c.red(), c.green(), c.blue());
    if (button == Qt::LeftButton) {
        form2_->SetTestFont(color);
        testFontColor_ = color;
    } else if (button == Qt::RightButton) {
        form2_->SetTestBack(color);
        testBackColor_ = color;
    }
    if (Action("ActionSubFavorite")->isChecked()) {
        form2_->SetBaseColor(color);
    }
}

void TForm1::PropagateColorToOptionWindow(TColor color) {
    if (form2_ == nullptr) {
        return;
    }
    if (Action("ActionSubTestFont")->isChecked()) {
        form2_->SetTestFont(color);
        testFontColor_ = color;
    }
    if (Action("ActionSubTestBack")->isChecked()) {
        form2_->SetTestBack(color);
        testBackColor_ = color;
    }
    if (Action("ActionSubFavorite")->isChecked()) {
        form2_->SetBaseColor(color);
    }
}

void TForm1::ActionSubFavoriteExecute() {
    TForm2* window = ShownOptionWindow();
    if (window == nullptr || window->ListMode() == 0) {
        return; // not already on view
    }
    Action("ActionSubFavorite")->setChecked(true);
    window->LoadFavorites();
    window->UpdateListControls();
}

void TForm1::ActionSubRecentExecute() {
    TForm2* window = ShownOptionWindow();
    if (window == nullptr || window->ListMode() == 1) {
        return;
    }
    Action("ActionSubRecent")->setChecked(true);
    window->LoadHistory();
}

namespace {

// The line the name field and the base swatch make.
std::string NewLine(const TForm2& window) {
    return FormatColorCode(window.BaseColorValue()) + window.Name().toStdString();
}

bool EditingFavorites(const TForm1& main) {
    return main.Action("ActionSubFavorite")->isChecked();
}

} // namespace

void TForm1::ActionSubEditExecute() {
    TForm2* window = ShownOptionWindow();
    if (window == nullptr || !EditingFavorites(*this)) {
        return;
    }
    const int row = window->List()->SelectedRow();
    if (row < 0 || window->Name().isEmpty()) {
        return;
    }
    window->Lines()->SetLine(row, NewLine(*window));
    window->SaveFavorites();
}

void TForm1::ActionSubToClipboardExecute() {
    TForm2* window = ShownOptionWindow();
    if (window == nullptr || window->List()->SelectedRow() < 0) {
        return;
    }
    const std::array<std::string, 3> codes = ColorCodeEntries(window->BaseColorValue());
    std::string text = codes[static_cast<std::size_t>(std::clamp<int>(outMode_, 0, 2))];
    if (ActionOptionLowerCase->isChecked()) {
        text = LowerCaseAscii(text);
    }
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

void TForm1::ActionSubApplyExecute() {
    if (TForm2* window = ShownOptionWindow()) {
        SetColor(window->BaseColorValue());
    }
}

void TForm1::ActionSubAddExecute() {
    TForm2* window = ShownOptionWindow();
    if (window == nullptr || !EditingFavorites(*this) || window->Name().isEmpty()) {
        return;
    }
    const int row = window->List()->SelectedRow();
    const int at = row < 0 ? window->Lines()->rowCount() : row + 1;
    window->Lines()->InsertLine(at, NewLine(*window));
    // The selection stays where it was.
    window->List()->SelectRow(row);
    window->SaveFavorites();
}

void TForm1::ActionSubDeleteExecute() {
    TForm2* window = ShownOptionWindow();
    if (window == nullptr || !EditingFavorites(*this)) {
        return;
    }
    const int row = window->List()->SelectedRow();
    if (row >= 0) {
        window->Lines()->RemoveLine(row);
        window->SaveFavorites();
        window->UpdateListControls();
    }
}

void TForm1::ActionSubUpExecute() {
    TForm2* window = ShownOptionWindow();
    if (window == nullptr || !EditingFavorites(*this)) {
        return;
    }
    const int row = window->List()->SelectedRow();
    if (row <= 0) {
        return;
    }
    window->Lines()->SwapLines(row, row - 1);
    window->List()->SelectRow(row - 1);
    window->SaveFavorites();
}

void TForm1::ActionSubDownExecute() {
    TForm2* window = ShownOptionWindow();
    if (window == nullptr || !EditingFavorites(*this)) {
        return;
    }
    const int row = window->List()->SelectedRow();
    if (row < 0 || row + 1 >= window->Lines()->rowCount()) {
        return;
    }
    window->Lines()->SwapLines(row, row + 1);
    window->List()->SelectRow(row + 1);
    window->SaveFavorites();
}

void TForm1::ActionSubTestFontExecute() {
    // The check flipped with the click; the other one goes off.
    if (Action("ActionSubTestFont")->isChecked()) {
        Action("ActionSubTestBack")->setChecked(false);
    }
    PropagateColor();
}

void TForm1::ActionSubTestBackExecute() {
    if (Action("ActionSubTestBack")->isChecked()) {
        Action("ActionSubTestFont")->setChecked(false);
    }
    PropagateColor();
}

} // namespace kolvi
