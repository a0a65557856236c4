#pragma once
#include "StatisticsStore.h"

#include <QDialog>
#include <functional>

class QComboBox;
class QTableWidget;
class TGradientButton;

// "Statistics": the player's record in every variant and in all, with Reset and Close.
// It reads the store each time it is shown, so it is never behind the games.
class TFStatistics : public QDialog {
    Q_OBJECT
public:
    // Asks the player a yes/no question; true for yes.
    using TConfirm = std::function<bool(QWidget* parent, const QString& question)>;

    TFStatistics(QWidget* parent, TStatisticsStore store, TConfirm confirm);

    void SetStore(TStatisticsStore newStore) { store = std::move(newStore); }
    // Reads the store into the table.
    void Refresh();
    // Asks, then clears every record; the preferences stay as they are.
    void Reset();

    QTableWidget* Table() const { return table; }
    // Whose games the table shows: against the classic or the strong computer player.
    QComboBox* Opponent() const { return cbOpponent; }
    TGradientButton* ResetButton() const { return btnReset; }
    TGradientButton* CloseButton() const { return btnClose; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void BuildTable();
    void ShowRow(int row, const TPlayerRecord& record);

    TStatisticsStore store;
    TConfirm confirm;
    QTableWidget* table = nullptr;
    QComboBox* cbOpponent = nullptr;
    TGradientButton* btnReset = nullptr;
    TGradientButton* btnClose = nullptr;
};
