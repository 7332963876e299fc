#include "ItemActions.h"

#include "core/base/Boxes.h"
#include "core/base/GuardedRead.h"
#include "core/items/ItemList.h"
#include "core/items/ItemTexts.h"
#include "core/note/NoteTexts.h"
#include "core/shop/Currency.h"
#include "core/shop/SettingsStore.h"

ItemActions::ItemActions(const QString& dataDir, const QString& userKey, const Language& language,
                         ItemList& items, Currency& currency, SettingsStore& settings, Boxes& boxes)
    : m_dataDir(dataDir), m_userKey(userKey), m_language(language), m_items(items), m_currency(currency),
      m_settings(settings), m_boxes(boxes) {}

QString ItemActions::path() const {
    return ItemList::filePath(m_dataDir, m_language);
}

void ItemActions::eOpenList(bool offerCreate) {
    m_items.setSeeStock(m_settings.values().seeStock);
    const TextFile::ReadResult read = GuardedRead::read(path(), m_language, m_boxes);
    // A list that is there but cannot be read stays as it is: never saved over, never offered anew.
    m_fileKept = read.unreadable();
    m_items.setLines(read.lines);
    if (m_items.isEmpty()) m_items.showPlaceholder(m_language(ItemTexts::NoItems));
    Q_EMIT listRead();
    if (read.missing() && offerCreate) eCreate();
}

void ItemActions::eCreate() {
    if (m_fileKept) return;
    if (!m_boxes.ask(m_language(ItemTexts::NoListOffer))) return;
    if (!ItemList::create(path(), m_language, m_currency.symbol())) {
        m_boxes.say(m_language(ItemTexts::FileCreateFailed), Dialogs::Icon::Error);
        return;
    }
    eOpenList(false);
}

void ItemActions::eSaveList() {
    if (m_fileKept) return;
    if (!m_items.save(path())) m_boxes.say(m_language(ItemTexts::FileCreateFailed), Dialogs::Icon::Error);
}

void ItemActions::saveIfRead() {
    if (m_items.shownCount() >= 1 && m_items.shownLine(0) != m_language(ItemTexts::NoItems)) eSaveList();
}

void ItemActions::eMoveProduct(const QStringList& sale) {
    const ItemList::StockMove moved = m_items.moveStock(sale, m_currency.symbol(), m_language(NoteTexts::Of));
    if (!moved.changed.empty()) Q_EMIT linesChanged(moved.changed);
    if (!moved.ok()) {
        m_boxes.say(m_language(ItemTexts::StockMoveFailed), Dialogs::Icon::Error);
        return;
    }
    eSaveList();
}

void ItemActions::mnuCountAll_Click() {
    if (!m_boxes.grantedByKey(m_language(ItemTexts::UserKeyPrompt), m_userKey,
                              m_language(ItemTexts::KeyIncorrect)))
        return;
    const QString& symbol = m_currency.symbol();
    const auto value = m_items.inventoryValue(symbol);
    if (!value) return;
    m_boxes.say(ItemTexts::inventoryMessage(m_language, symbol, ItemList::inventoryValueText(*value)),
                Dialogs::Icon::None);
}

void ItemActions::mnuPriceChg_Click(int index) {
    const QString question = m_language(index == 0 ? ItemTexts::RaisePrompt : ItemTexts::LowerPrompt);
    const auto answer = m_boxes.askUntil(question, [](const QString& a) {
        return ItemList::readPriceChange(a).kind != ItemList::PriceChange::Kind::AskAgain;
    });
    if (!answer) return;
    const ItemList::PriceChange change = ItemList::readPriceChange(*answer);
    if (change.kind == ItemList::PriceChange::Kind::Cancel) return;
    if (const int below = m_items.pricesBelowZero(change, index == 0, m_currency.symbol()); below > 0) {
        m_boxes.say(ItemTexts::negativePricesMessage(m_language, below), Dialogs::Icon::Information);
        return;
    }
    m_items.changePrices(change, index == 0, m_currency.symbol());
    Q_EMIT listReplaced();
    eSaveList();
}

void ItemActions::showSyntaxMessage() {
    m_boxes.say(ItemTexts::formatMessage(m_language, m_currency.symbol()), Dialogs::Icon::Information);
}
