// The background page of the preferences: the tree of kinds, its three option panels and
// what each choice shows on the previews.
#include "Prefs.h"

#include "Board.h"
#include "ColorSwatch.h"
#include "FileEdit.h"
#include "PictureLoader.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace {
constexpr int FirstPictureCode = 5; // "Bells", Background 1
constexpr int LastPictureCode = 10; // "Snowflakes 2", Background 6
} // namespace

QTreeWidgetItem* TFPrefs::NodeOfCode(int code) const
{
    for (QTreeWidgetItemIterator it(Tree); *it; ++it)
        if ((*it)->data(0, Qt::UserRole).toInt() == code)
            return *it;
    return nullptr;
}

int TFPrefs::SelectedCode() const
{
    const QList<QTreeWidgetItem*> selected = Tree->selectedItems();
    return selected.isEmpty() ? -1 : selected.first()->data(0, Qt::UserRole).toInt();
}

void TFPrefs::SelectNodeFromRecord()
{
    int code;
    if (record.BackType >= btSolid && record.BackType <= btRGradient)
        code = record.BackType;
    else if (background == 0)
        code = CodeCustom;
    else
        code = background + FirstPictureCode - 1;
    QTreeWidgetItem* node = NodeOfCode(code);
    Tree->setCurrentItem(node);
    node->setSelected(true);
}

void TFPrefs::ShowPanel(QWidget* panel)
{
    for (QWidget* each : {pnlColor, pnlGradient, pnlPicture})
        each->setVisible(each == panel);
}

void TFPrefs::TreeChange()
{
    const int code = SelectedCode();
    if (!backgroundPreview || code < 0)
        return;
    if (code == btSolid) {
        ShowPanel(pnlColor);
        backgroundPreview->SetBackType(btSolid);
        backgroundPreview->SetColor(pSolid->Color());
    } else if (code <= btRGradient) {
        ShowPanel(pnlGradient);
        backgroundPreview->SetBackType(TBoardBackType(code));
        backgroundPreview->SetColor(pC1->Color());
        backgroundPreview->SetColor2(pC2->Color());
    } else if (code >= FirstPictureCode && code <= LastPictureCode) {
        background = code - FirstPictureCode + 1;
        SelectPictureResource(background);
    } else if (code == CodeCustom) {
        background = 0;
        ShowPanel(pnlPicture);
        eFile->show();
        LoadCustomPicture();
        ApplyPictureKind();
    }
    backgroundPreview->RebuildBackground();
    backgroundPreview->update();
    SyncBacksPreview();
}

void TFPrefs::LoadCustomPicture()
{
    const QSignalBlocker quiet(eFile); // what is set here is no new choice
    QString name = eFile->text();
    if (name.startsWith(u'"')) {
        name = name.mid(1, name.size() - 2);
        eFile->setText(name);
    }
    if (name.isEmpty())
        return;
    if (const auto picture = PictureLoader::Load(name)) {
        backgroundPreview->SetPicture(*picture);
        lastLoaded = name;
    } else {
        eFile->setText(tr(LoadFailed)); // the preview keeps its picture
    }
}

void TFPrefs::SelectPictureResource(int builtIn)
{
    ShowPanel(pnlPicture);
    eFile->hide();
    backgroundPreview->SetPicture(BuiltInBackground(builtIn));
    ApplyPictureKind();
}

void TFPrefs::ApplyPictureKind()
{
    if (rbTile->isChecked())
        backgroundPreview->SetBackType(btTile);
    else if (cbOneToOne->isChecked())
        backgroundPreview->SetBackType(btPropStretch);
    else
        backgroundPreview->SetBackType(btStretch);
    cbOneToOne->setVisible(rbStretch->isChecked());
}

void TFPrefs::SyncBacksPreview()
{
    if (!backsPreview || !backgroundPreview)
        return;
    backsPreview->SetPicture(backgroundPreview->Picture());
    backsPreview->SetColor(backgroundPreview->Color());
    backsPreview->SetColor2(backgroundPreview->Color2());
    backsPreview->SetBackType(backgroundPreview->BackType());
    backsPreview->RebuildBackground();
    backsPreview->update();
}
