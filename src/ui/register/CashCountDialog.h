#pragma once

#include "core/base/Language.h"
#include "core/register/CashCount.h"

#include <QDialog>
#include <QList>

class QLabel;
class QLineEdit;

// The drawer counted at the counter, from the keyboard: the counted cash typed whole in "Contado", or
// counted by denomination, one row per banknote and coin of the currency, each row's value and the
// running total shown as the pieces are typed (Up and Down move between rows). The expected cash, the
// counted cash and the difference with its word stay in view. Enter books the count, Esc leaves it.
class CashCountDialog : public QDialog {
    Q_OBJECT

public:
    CashCountDialog(const CashCount& count, const Language& language, QWidget* parent = nullptr);

    // The count as it stands.
    const CashCount& count() const { return m_count; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void typedChanged(const QString& text);
    void piecesChanged(int row, const QString& text);
    void render();

    Language m_language;
    CashCount m_count;
    QLineEdit* m_typed = nullptr;
    QList<QLineEdit*> m_pieces;
    QList<QLabel*> m_values;
    QLabel* m_total = nullptr;
    QLabel* m_balance = nullptr;
    QLabel* m_difference = nullptr;
};
