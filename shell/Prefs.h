#pragma once
#include "Settings.h"
#include "SettingsStore.h"

#include <QDialog>
#include <QPointer>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QRadioButton;
class QSlider;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class TBoard;
class TColorSwatch;
class TFileEdit;
class TFMain;
class TGradientButton;
class TMainToolBar;

// The preferences dialog. Created once at start-up, it loads the main window's settings
// record from the store and writes it back when destroyed at program end. While shown,
// two preview boards show every change at once; OK copies the previews into the record,
// Cancel puts every control back as it was.
class TFPrefs : public QDialog {
    Q_OBJECT
public:
    using TReport = std::function<void(const QString& text)>;

    // report shows "Invalid data type for ..." (a plain message box in the program).
    TFPrefs(TFMain& main, TSettingsStore store, TReport report);
    ~TFPrefs() override;

    // Cancel, Escape and the close box.
    void reject() override;

    static constexpr int ClientWidth = 439;
    static constexpr int ClientHeight = 269;
    static constexpr int PreviewWidth = 265;
    static constexpr int PreviewHeight = 197;
    static constexpr int FanCards = 8;
    // Where card i of the backs preview's fan stands.
    static QPoint FanPosition(int i);
    // The card backs' names, by index.
    static const std::array<const char*, 14> BackNames;
    static constexpr const char* LoadFailed = QT_TR_NOOP("Could not load picture");

    // The tree's node codes: 0 solid, 1 to 4 gradients, 5 to 10 pictures, 22 custom.
    static constexpr int CodeCustom = 22;
    QTreeWidgetItem* NodeOfCode(int code) const;
    int SelectedCode() const;

    TBoard* BacksPreview() const { return backsPreview; }
    TBoard* BackgroundPreview() const { return backgroundPreview; }
    // The picture that would be stored as Background now (0 the custom file).
    int Background() const { return background; }

    // Controls, named as the program's other parts and the tests know them.
    QTabWidget* Pages;
    TGradientButton* btnOK;
    TGradientButton* btnCancel;
    // General.
    TMainToolBar* TestToolbar;
    QCheckBox* cbShowtoolbar;
    QCheckBox* cbFlatbuttons;
    std::array<QRadioButton*, 5> rbPacing; // by animate type: Steady, Deceleration, ...
    QFrame* VerticalLine;
    QSlider* TrackBar;
    QLabel* lblTime;
    QComboBox* cmbTableSize; // by TableSizes
    QComboBox* cmbLanguage;  // the system's, then by Languages; the code as item data
    QLabel* lblRestartNote;
    // Computer.
    QRadioButton* rbClassic;
    QRadioButton* rbStrong;
    // Backs.
    QListWidget* lbBacks;
    QCheckBox* cbDrawFrame;
    // Backgrounds.
    QTreeWidget* Tree;
    QWidget* pnlColor;
    QWidget* pnlGradient;
    QWidget* pnlPicture;
    TColorSwatch* pSolid;
    TColorSwatch* pC1;
    TColorSwatch* pC2;
    QWidget* btnSwap;
    TFileEdit* eFile;
    QRadioButton* rbStretch;
    QRadioButton* rbTile;
    QCheckBox* cbOneToOne;

protected:
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    // What Cancel puts back besides the record's own values.
    struct TControls {
        QColor solid, start, end;
        QString file;
        bool tile, oneToOne;
        int background;
        QString lastLoaded;
    };

    void BuildButtons();
    QWidget* BuildGeneralPage();
    QWidget* BuildBacksPage();
    QWidget* BuildBackgroundsPage();
    QWidget* BuildComputerPage();
    void BuildPanels(QWidget* page);
    QFrame* PreviewPanel(QWidget* page);
    void BuildTableSize(QWidget* page);
    void BuildLanguage(QWidget* page);

    void LoadSettings(const TReport& report);
    QStringList UnchangedUnread() const;
    void SyncControlsFromRecord();
    void SyncPictureChoiceFromRecord();
    void CreatePreviews();
    void SelectNodeFromRecord();
    void TreeChange();
    void SelectPictureResource(int background);
    void ApplyPictureKind();
    void ShowPanel(QWidget* panel);
    void LoadCustomPicture();
    void SyncBacksPreview();
    void BackClicked();
    void Ok();
    void Cancel();
    TControls Snapshot() const;
    void Restore(const TControls& controls);

    TFMain& main;
    TSettings& record;
    TSettingsStore store;
    QFrame* backsPanel = nullptr;
    QFrame* backgroundPanel = nullptr;
    QPointer<TBoard> backsPreview;
    QPointer<TBoard> backgroundPreview;
    int background = 4;
    // The custom picture file that loaded last: the only one the store may keep.
    QString lastLoaded;
    TControls shown{};
    // What a wrong type kept from being read, and the record as loaded.
    QStringList unread;
    TSettingsStore::TValues atLoad;
};
