#pragma once

#include <QWidget>

class Counter;
class ItemListModel;
class LabelButton;
class QLineEdit;
class QListView;
class ThemeStyle;

// The item search (the label lblFinder that opens it and the field txtFinder) above the shown item
// list lstItem(1).
class ItemsPanel : public QWidget {
    Q_OBJECT

public:
    ItemsPanel(Counter& counter, QWidget* parent);

    QLineEdit* finder() const { return m_txtFinder; }
    QListView* list() const { return m_lstItem; }
    void applyTheme(const ThemeStyle& style);
    void render();

Q_SIGNALS:
    // The cashier asked for the items' menu (right button on the list).
    void menuRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectCounter();
    void renderItems();
    void renderItemSelection();
    void renderFinder();

    Counter& m_counter;
    LabelButton* m_lblFinder = nullptr;
    QLineEdit* m_txtFinder = nullptr;
    QListView* m_lstItem = nullptr;
    ItemListModel* m_itemModel = nullptr;
    // True while the list follows the counter, so its own selection changes are not echoed back.
    bool m_rendering = false;
};
