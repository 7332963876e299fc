#include "Counter.h"

#include "app/Numbers.h"
#include "app/TextFile.h"
#include "app/Texts.h"
#include "items/ItemLine.h"
#include "items/ItemTexts.h"
#include "register/DayRegister.h"
#include "register/RegisterLines.h"

#include <QDir>
#include <QScopedValueRollback>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

const QString kDash = QStringLiteral("-");

} // namespace

Counter::Counter(const QString& dataDir, const Language& language, const QString& userKey, Ports ports,
                 QObject* parent)
    : QObject(parent), m_dataDir(dataDir), m_language(language), m_userKey(userKey), m_dialogs(ports.dialogs),
      m_clock(ports.clock), m_printer(ports.printer), m_shell(ports.shell) {
    m_noneText = text(Texts::NoneText);
    m_priceTitle = text(Texts::PriceTitle);
    m_fields = defaultFields();
    for (auto& n : m_notes)
        n.fields = m_fields;
    m_tabCaptions = {text(Texts::RecordTab), text(Texts::NewTab), kDash, kDash, kDash};
    m_tabEnabled = {true, true, false, false, false};
}

Counter::~Counter() = default;

std::array<QString, 4> Counter::defaultFields() const {
    return {QStringLiteral("1"), m_noneText, QStringLiteral("0"), QStringLiteral("0.00")};
}

QString Counter::path(const QString& fileName) const {
    return QDir(m_dataDir).filePath(fileName);
}

void Counter::say(const QString& message, Dialogs::Icon icon) {
    const QScopedValueRollback<int> busy(m_inDialog, m_inDialog + 1);
    m_dialogs.message(message, icon);
}

bool Counter::ask(const QString& question) {
    const QScopedValueRollback<int> busy(m_inDialog, m_inDialog + 1);
    return m_dialogs.question(question);
}

QString Counter::prompt(const QString& question) {
    const QScopedValueRollback<int> busy(m_inDialog, m_inDialog + 1);
    return m_dialogs.input(question);
}

QString Counter::nowTime() const {
    return m_clock.now().time().toString(QStringLiteral("HH:mm"));
}

// ---------------------------------------------------------------------------------------------------
// Lifecycle

void Counter::load() {
    m_symbol = QStringLiteral("$");
    for (int n = 0; n < kNotes; ++n) {
        Note& x = note(n);
        x.total = 0.0;
        x.cash = x.change = 0.0;
        x.used = false;
        x.step = 1;
    }
    m_current = 0;
    m_settings = Settings();
    m_noneText = text(Texts::NoneText);
    m_registerDate = m_clock.now().date();

    eOpenConfig();
    eOpenReg();
    eOpenList();
    eOpenLogo();

    m_saleStart = int(noteLines(0).size()) - 1;
    if (!m_settings.backToRecord) lblTask_Click(1);
    if (m_ticketLegend.isEmpty()) m_ticketLegend = text(Texts::DefaultLegend);
    eCheckCanCut();
    Q_EMIT menusChanged();
}

void Counter::unload() {
    const QString time = nowTime();
    QStringList& record = note(0).lines;
    if (!record.isEmpty()) {
        const QString& last = record.last();
        if (last.isEmpty() || !RegisterLines::closesOperation(last)) {
            record.append(RegisterLines::cancelled(time, m_language));
            Q_EMIT noteChanged(0);
        }
    }
    eSaveNote();
    if (m_items.shownCount() >= 1 && m_items.shownLine(0) != text(Texts::NoItems)) eSaveList();
}

void Counter::startTimers() {
    if (!m_attTimer) {
        m_attTimer = new QTimer(this);
        m_attTimer->setInterval(500);
        connect(m_attTimer, &QTimer::timeout, this, &Counter::tmrAtt_Timer);
    }
    if (!m_nightTimer) {
        m_nightTimer = new QTimer(this);
        m_nightTimer->setInterval(500);
        connect(m_nightTimer, &QTimer::timeout, this, &Counter::tmrNight_Timer);
    }
    m_attTimer->start();
    m_nightTimer->start();
}

// ---------------------------------------------------------------------------------------------------
// Settings file

void Counter::eOpenConfig() {
    const auto lines = TextFile::readLines(path(Config::kFileName));
    Config::apply(lines.value_or(QStringList()), m_clock.now().date(), m_settings);
    m_items.setSeeStock(m_settings.seeStock);
    eSaveConfig();
}

void Counter::eSaveConfig() {
    const QStringList lines = Config::lines(m_settings, m_clock.now().date(), m_userKey, m_language.code());
    if (!TextFile::saveLines(path(Config::kFileName), lines))
        say(text(Texts::ConfigSaveFailed), Dialogs::Icon::Error);
    Q_EMIT menusChanged();
}

void Counter::mnuBack_Click() {
    m_settings.backToRecord = !m_settings.backToRecord;
    eSaveConfig();
}

void Counter::mnuTicket_Click() {
    m_settings.printTickets = !m_settings.printTickets;
    if (!m_settings.printTickets) m_settings.doubleTicket = false;
    eSaveConfig();
}

void Counter::mnuDouble_Click() {
    m_settings.doubleTicket = !m_settings.doubleTicket;
    if (m_settings.doubleTicket) m_settings.printTickets = true;
    eSaveConfig();
}

void Counter::mnuSeeStock_Click() {
    m_settings.seeStock = !m_settings.seeStock;
    m_items.setSeeStock(m_settings.seeStock);
    txtFinder_Change(m_finderText);
    eSaveConfig();
}

// ---------------------------------------------------------------------------------------------------
// Item list file and currency

void Counter::eOpenList(bool offerCreate) {
    m_items.setSeeStock(m_settings.seeStock);
    const bool read = m_items.load(ItemList::filePath(m_dataDir, m_language));
    m_itemSelected = -1;
    eWhatMoney();
    Q_EMIT itemsChanged();
    if (!read && offerCreate) eCreate();
}

void Counter::eCreate() {
    if (!ask(text(Texts::NoListOffer))) return;
    if (!ItemList::create(ItemList::filePath(m_dataDir, m_language), m_language, m_symbol)) {
        say(text(Texts::FileCreateFailed), Dialogs::Icon::Error);
        return;
    }
    eOpenList(false);
}

void Counter::eSaveList() {
    if (!m_items.save(ItemList::filePath(m_dataDir, m_language)))
        say(text(Texts::FileCreateFailed), Dialogs::Icon::Error);
}

void Counter::eWhatMoney() {
    m_symbol = QStringLiteral("$");
    if (!noteLines(0).isEmpty())
        m_symbol = ItemLine::symbolOf(noteLines(0).first());
    else if (!m_items.isEmpty())
        m_symbol = ItemLine::symbolOf(m_items.lines().first());
    if (m_items.isEmpty()) {
        m_items.showPlaceholder(text(Texts::NoItems));
        m_symbol = QStringLiteral("$");
    }
    m_changeMoney = m_symbol;
    Q_EMIT amountsChanged();
    for (auto& n : m_notes)
        n.fields = defaultFields();
    for (int k = 0; k < 4; ++k)
        setField(k, front().fields[std::size_t(k)]);
}

void Counter::mMoneda_Click(int index) {
    static const std::array<QString, 3> kSymbols = {QStringLiteral("$"), QStringLiteral("€"),
                                                    QStringLiteral("£")};
    if (index < 0 || index >= int(kSymbols.size())) return;
    if (!noteLines(0).isEmpty()) {
        say(text(Texts::CurrencyOnlyBefore), Dialogs::Icon::Information);
        return;
    }
    if (front().used) {
        say(text(Texts::CancelCurrentFirst), Dialogs::Icon::Information);
        return;
    }
    m_symbol = kSymbols[std::size_t(index)];
    m_changeMoney = m_symbol;
    Q_EMIT amountsChanged();
}

void Counter::eOpenLogo() {
    const QString title = text(Texts::ProgramTitle);
    const auto lines = TextFile::readLines(path(QStringLiteral("VL Info.txt")));
    if (!lines) {
        m_brand = text(Texts::MyBusiness);
        m_windowCaption = title;
        m_brandTooltip.clear();
        m_themeColour = ThemePalette::kDefaultBase;
        Q_EMIT shopChanged();
        return;
    }
    const auto line = [&](int i) { return i < lines->size() ? lines->at(i) : QString(); };
    m_brand = line(0);
    m_windowCaption = title + QStringLiteral(" - ") + m_brand.toUpper();
    m_infoAddress = line(1);
    m_infoPhone = line(2);
    m_infoExtra = line(3);
    const QStringList parts = line(4).split(u' ');
    m_themeColour = ThemePalette::kDefaultBase;
    if (!line(4).isEmpty() && parts.size() >= 3) {
        const auto channel = [&](int i) {
            return int(std::clamp(std::round(Numbers::leading(parts[i])), 0.0, 255.0));
        };
        m_themeColour = Rgb{channel(0), channel(1), channel(2)};
    }
    m_infoRemark = line(5);
    m_ticketLegend = line(6);
    m_brandTooltip = QStringLiteral(" ") + m_brand + QStringLiteral(" - \"") + m_infoAddress + u'"' +
                     text(Texts::TooltipPhone) + m_infoPhone + QStringLiteral(" | ") + m_infoExtra + u' ';
    if (!m_infoRemark.trimmed().isEmpty()) m_windowCaption += QStringLiteral(" (") + m_infoRemark + u')';
    Q_EMIT shopChanged();
}

// ---------------------------------------------------------------------------------------------------
// Day register

void Counter::eOpenReg() {
    Note& record = note(0);
    record.lines.clear();
    record.selected = -1;
    const auto lines = DayRegister::load(m_dataDir, m_clock.now().date(), m_language);
    if (!lines) {
        Q_EMIT noteChanged(0);
        return;
    }
    record.lines = *lines;
    Q_EMIT noteChanged(0);
    selectLast(0);
    eCheckTabs();
}

void Counter::eSaveNote() {
    QString error;
    if (DayRegister::save(m_dataDir, m_clock.now().date(), m_language, noteLines(0), &error)) {
        m_registerSaveFailing = false;
        return;
    }
    // Reported once per run of failures; the lines stay in memory and every later save tries again.
    if (!m_registerSaveFailing) {
        m_registerSaveFailing = true;
        say(text(Texts::RegisterSaveFailed), Dialogs::Icon::Warning);
    }
}

void Counter::tmrNight_Timer() {
    // A tick waits while a message or input box is open; the next one after it catches up.
    if (m_inDialog > 0) return;
    const QDateTime now = m_clock.now();
    if (now.time().toString(QStringLiteral("HH:mm:ss")) == QLatin1String("23:55:00")) {
        if (m_midnightWarned != now.date()) {
            m_midnightWarned = now.date();
            say(text(Texts::MidnightWarning), Dialogs::Icon::Information);
        }
        return;
    }
    if (now.date() != m_registerDate) {
        m_registerDate = now.date();
        say(text(Texts::NewDay), Dialogs::Icon::Information);
        eFinalDay();
    }
}

void Counter::eFinalDay() {
    QStringList& record = note(0).lines;
    const int drop = std::min<int>(m_saleStart + 1, int(record.size()));
    if (drop > 0) record.erase(record.begin(), record.begin() + drop);
    note(0).selected = -1;
    Q_EMIT noteChanged(0);
    selectLast(m_current);
    eCheckTabs();
    m_saleStart = int(record.size()) - 1;
    eCheckCanCut();
}

void Counter::eCheckSum() {
    const double total = RegisterLines::cashTotal(noteLines(0), m_symbol, m_language);
    const double limit = m_settings.cashLimit.value_or(0.0);
    QString caption = text(Texts::RecordTab);
    if (limit > 0 && total >= limit) caption += u'*';
    setTabCaption(0, caption);
}

void Counter::eCheckCanCut() {
    eCheckSum();
    m_cutMenuEnabled = !noteLines(0).isEmpty() && m_saleStart > 0 && !m_editorVisible && m_current == 0;
    Q_EMIT menusChanged();
}

// ---------------------------------------------------------------------------------------------------
// Entry fields

void Counter::setField(int k, const QString& value) {
    if (k < 0 || k > 3) return;
    m_fields[std::size_t(k)] = value;
    front().fields[std::size_t(k)] = value;
    if (k == Description || k == Price) readyTest();
    Q_EMIT fieldsChanged();
}

void Counter::readyTest() {
    const double price = Numbers::amount(field(Price));
    if (price > 0 && field(Description) != m_noneText) front().step = 2;
}

void Counter::fieldFocusIn(int k) {
    switch (k) {
    case Quantity:
        if (Numbers::amount(field(Quantity)) <= 1) setField(Quantity, QString());
        break;
    case Description:
        if (field(Description).isEmpty()) setField(Description, m_noneText);
        break;
    case Discount:
        if (Numbers::leading(field(Discount)) == 0) setField(Discount, QString());
        break;
    case Price:
        if (Numbers::amount(field(Price)) == 0) setField(Price, QString());
        break;
    default:
        break;
    }
}

void Counter::fieldFocusOut(int k) {
    switch (k) {
    case Quantity:
        if (Numbers::leading(field(Quantity)) <= 0) setField(Quantity, QStringLiteral("1"));
        break;
    case Description:
        if (field(Description).isEmpty()) setField(Description, m_noneText);
        break;
    case Discount: {
        const double d = Numbers::leading(field(Discount));
        setField(Discount, d <= 0 ? QStringLiteral("0") : Numbers::floorText(d));
        break;
    }
    case Price: {
        const double price = Numbers::amount(field(Price));
        setField(Price, Numbers::format(price, Numbers::Picture::Plain));
        if (price >= 1000) setField(Price, Numbers::format(price, Numbers::Picture::Grouped));
        break;
    }
    default:
        break;
    }
}

// ---------------------------------------------------------------------------------------------------
// Adding an item

void Counter::ePreFactura() {
    if (m_editorVisible && !m_editingList) {
        say(text(Texts::EditingRefusal), Dialogs::Icon::Information);
        return;
    }
    const double price = Numbers::amount(field(Price));
    // A negative price writes nothing; an amount beyond the range of numbers would write nonsense.
    const double discount = std::floor(Numbers::leading(field(Discount)));
    const double amount = (1.0 - discount / 100.0) * price * Numbers::leading(field(Quantity));
    if (price < 0 || !std::isfinite(amount)) return;
    if (price != 0 || ask(text(Texts::FreeItemQuestion))) ActFactura();
}

void Counter::ActFactura() {
    const int n = m_current;
    Note& x = note(n);
    QString placeholderTest = field(Description).toUpper().trimmed();
    placeholderTest.replace(u'Ó', u'O');
    if (placeholderTest == m_noneText.toUpper()) setField(Description, QString());
    QString description = field(Description);
    if (description.trimmed().isEmpty()) description = text(Texts::DefaultItem);
    x.used = true;

    const double price = Numbers::amount(field(Price));
    const QString quantity = field(Quantity);
    if (price > 0) {
        const Numbers::Picture picture = Numbers::pictureFor(price);
        QString line = quantity + QStringLiteral(" x ") + description + text(Texts::Of) + m_symbol +
                       Numbers::format(price, picture);
        setField(Discount, Numbers::floorText(Numbers::leading(field(Discount))));
        const double d = Numbers::leading(field(Discount));
        const double q = Numbers::leading(quantity);
        double amount = q * price;
        if (d == 0) {
            line += QStringLiteral(" = ");
        } else {
            amount = (1.0 - d / 100.0) * price * q;
            line += QString(QStringLiteral(" (-") + field(Discount) + QStringLiteral("%) = "))
                        .replace(QLatin1String("--"), QLatin1String("+"));
        }
        line += m_symbol + Numbers::format(amount, picture);
        x.total += amount;
        appendLine(n, line);
    } else {
        appendLine(n, quantity + QStringLiteral(" x ") + description + u' ' + text(Texts::Free));
    }

    if (field(Description).isEmpty()) {
        setField(Description, m_noneText);
        setField(Price, QStringLiteral("0.00"));
    }
    setField(Quantity, QStringLiteral("1"));
    setField(Discount, QStringLiteral("0"));
    selectLast(n);
    eCheckTabs();
    showTotal(n);
    x.step = 3;
}

void Counter::selectItem(int row) {
    m_itemSelected = (row >= 0 && row < m_items.shownCount()) ? row : -1;
    Q_EMIT itemSelectionChanged();
    ePutInfo();
}

void Counter::ePutInfo() {
    if (m_itemSelected < 0) return;
    const QString line = m_items.shownLine(m_itemSelected);
    const auto description = ItemLine::description(line, m_symbol, m_settings.seeStock);
    if (!description) return;
    setField(Description, *description);
    setField(Price, Numbers::amountText(ItemLine::price(line, m_symbol)));
    front().step = 2;
}

// ---------------------------------------------------------------------------------------------------
// Showing amounts

void Counter::selectLast(int n) {
    Note& x = note(n);
    x.selected = int(x.lines.size()) - 1;
    Q_EMIT noteSelectionChanged(n);
}

void Counter::appendLine(int n, const QString& line) {
    note(n).lines.append(line);
    Q_EMIT noteChanged(n);
}

void Counter::showTotal(int n) {
    selectLast(n);
    eCheckTabs();
    const QString shown = Numbers::amountText(note(n).total);
    setTotalText(shown);
    if (n > 0) setTabCaption(n, m_symbol + shown);
}

void Counter::setTotalText(const QString& value) {
    m_totalText = value;
    // lblTotal1_Change: the change follows the total.
    const double total = Numbers::amount(m_totalText);
    const double cash = Numbers::amount(m_cashText);
    if (total <= 0 || cash <= 0) {
        setChangeText(QStringLiteral("0.00"));
        setChangeMoney(m_symbol);
    } else {
        eCambio();
    }
    const bool visible = total != 0;
    if (visible != m_amountMenuVisible) {
        m_amountMenuVisible = visible;
        Q_EMIT menusChanged();
    }
    Q_EMIT amountsChanged();
}

void Counter::setCashText(const QString& value) {
    m_cashText = value;
    Note& x = front();
    x.cash = Numbers::amount(value);
    if (x.used) x.step = 4;
    const double total = Numbers::amount(m_totalText);
    if (total > 0 && (x.cashEnough || total <= x.cash)) eCambio();
    Q_EMIT amountsChanged();
}

void Counter::setChangeText(const QString& value) {
    m_changeText = value;
    front().change = Numbers::amount(value);
    Q_EMIT amountsChanged();
}

void Counter::setChangeMoney(const QString& value) {
    m_changeMoney = value;
    Q_EMIT amountsChanged();
}

void Counter::setTabCaption(int i, const QString& value) {
    m_tabCaptions[std::size_t(i)] = value;
    Q_EMIT tabsChanged();
    // lblTask_Change: the cancel entry follows the tabs.
    eClickMenu();
}

void Counter::cashFocusIn() {
    if (Numbers::amount(m_cashText) == 0) setCashText(QString());
}

void Counter::cashFocusOut() {
    const double cash = Numbers::amount(m_cashText);
    setCashText(Numbers::format(cash, Numbers::Picture::Plain));
    if (cash >= 1000) setCashText(Numbers::format(cash, Numbers::Picture::Grouped));
}

// ---------------------------------------------------------------------------------------------------
// Payment and closing

void Counter::eCambio() {
    Note& x = front();
    if (!x.used) return;
    const double cash = Numbers::amount(m_cashText);
    setChangeText(Numbers::format(cash - x.total, Numbers::Picture::Plain));
    const double c = Numbers::leading(m_changeText);
    if (c < 0) {
        setChangeText(text(Texts::NotEnough));
        setChangeMoney(QString());
        x.cashEnough = false;
    } else if (c == 0) {
        setChangeText(text(Texts::NoChange));
        setChangeMoney(QString());
        x.cashEnough = true;
        x.step = 5;
        eSaveNote();
    } else {
        if (c >= 1000) setChangeText(Numbers::format(c, Numbers::Picture::Grouped));
        setChangeMoney(m_symbol);
        x.cashEnough = true;
        x.step = 5;
        const double top = m_settings.topNote.value_or(0.0);
        if (top > 0 && c > top && c != m_lastChange) {
            say(text(Texts::VeryHighCash), Dialogs::Icon::Information);
            Q_EMIT focusRequested(Focus::Cash);
        }
        eSaveNote();
    }
    m_lastChange = c;
}

void Counter::clearWindow() {
    setField(Quantity, QStringLiteral("1"));
    setField(Discount, QStringLiteral("0"));
    setField(Description, m_noneText);
    setField(Price, QStringLiteral("0.00"));
    // The search is emptied and the whole list shown again; the entry fields keep their defaults.
    if (!m_finderText.isEmpty()) {
        m_finderText.clear();
        m_items.filter(QString(), text(Texts::NoMatches), text(Texts::NoItems));
        m_itemSelected = m_items.shownCount() > 0 ? 0 : -1;
        Q_EMIT itemsChanged();
    }
    m_finderVisible = false;
    Q_EMIT finderChanged();
    setTotalText(QStringLiteral("0.00"));
    setCashText(QStringLiteral("0.00"));
    setChangeText(QStringLiteral("0.00"));
    setChangeMoney(m_symbol);
}

void Counter::resetNote(int n) {
    Note& x = note(n);
    x.step = 1;
    x.fields = defaultFields();
    x.cash = x.change = 0.0;
    x.total = 0.0;
    x.used = false;
    x.cashEnough = false;
}

void Counter::focusAfterClosing() {
    Q_EMIT focusRequested(m_items.shownCount() > 0 ? Focus::ItemList : Focus::Description);
}

void Counter::eFinal() {
    const int n = m_current;
    Note& x = note(n);
    if (!x.used || !x.cashEnough) return;
    if (n > 0 && note(0).used) {
        say(text(Texts::CompleteRecordFirst), Dialogs::Icon::Information);
        return;
    }
    m_cashTicketText = m_symbol + Numbers::amountText(Numbers::amount(m_cashText));
    m_changeTicketText = m_symbol + Numbers::amountText(Numbers::amount(m_changeText));
    eMoveProduct();
    m_timeText = nowTime();
    x.lines.append(RegisterLines::saleTotal(m_timeText, m_symbol, x.total));
    if (n > 0) {
        note(0).lines.append(x.lines);
        x.lines.clear();
        x.selected = -1;
        Q_EMIT noteChanged(n);
        Q_EMIT noteChanged(0);
        setTabCaption(n, kDash);
        if (m_settings.backToRecord) eBacktoIndex();
    } else {
        Q_EMIT noteChanged(0);
    }
    m_paidByCard = false;
    // The sale is on disk with its closing line before any ticket stands for it.
    eSaveNote();
    eAddtoBuy();
    clearWindow();
    resetNote(n);
    eSaveNote();
    selectLast(n);
    eCheckTabs();
    m_saleStart = int(noteLines(0).size()) - 1;
    eCheckCanCut();
    m_ticketAsked = true;
    focusAfterClosing();
}

void Counter::eAddtoBuy() {
    m_ticketText.clear();
    if (!m_settings.printTickets) {
        if (m_ticketAsked) return;
        if (!ask(text(Texts::PrintTicketQuestion))) return;
        m_settings.printTickets = true;
        if (ask(text(Texts::CustomerCopyQuestion))) m_settings.doubleTicket = true;
        eSaveConfig();
    }
    const QStringList& record = noteLines(0);
    for (int i = m_saleStart + 1; i <= int(record.size()) - 2; ++i) {
        const QString& line = record[i];
        const qsizetype eq = line.indexOf(u'=');
        m_ticketText += (eq < 0 ? line : line.left(eq)) + QStringLiteral("\r\n");
    }
    eOpenListTicket();
}

void Counter::eOpenListTicket() {
    // The ticket printer takes m_ticketText with the cash, change and time texts.
}

void Counter::eDelBox() {
    const int n = m_current;
    Note& x = note(n);
    m_timeText = nowTime();
    if (x.used) {
        appendLine(n, RegisterLines::cancelled(m_timeText, m_language));
        selectLast(n);
    }
    clearWindow();
    resetNote(n);
    eSaveNote();
    if (n > 0) {
        x.lines.clear();
        x.selected = -1;
        Q_EMIT noteChanged(n);
        setTabCaption(n, kDash);
        if (m_settings.backToRecord) eBacktoIndex();
    }
    selectLast(n);
    eCheckTabs();
    m_saleStart = int(noteLines(0).size()) - 1;
    eCheckCanCut();
    focusAfterClosing();
}

void Counter::mnuCashIn_Click() {
    if (front().used) front().step = 4;
    Q_EMIT focusRequested(Focus::Cash);
}

void Counter::mnuCardIn_Click() {
    // Paying the note by card closes it like a cash sale, with a card line instead of the total.
}

bool Counter::askAmount(const Text& question, double& value) {
    for (;;) {
        const QString answer = prompt(text(question) + u' ' + m_symbol);
        if (answer.trimmed().isEmpty()) return false;
        const double v = Numbers::amount(answer);
        if (v >= 0) {
            value = v;
            return true;
        }
    }
}

void Counter::mnuBigCash_Click() {
    double value = 0;
    if (!askAmount(Texts::HighestValuePrompt, value)) return;
    m_settings.topNote = value;
    eSaveConfig();
}

void Counter::mnuHangCash_Click() {
    double value = 0;
    if (askAmount(Texts::WarnWhenPrompt, value)) {
        m_settings.cashLimit = value;
        eSaveConfig();
    }
    eCheckSum();
}

// ---------------------------------------------------------------------------------------------------
// Adjustments

void Counter::eDesc(const QString& value) {
    const int n = m_current;
    Note& x = note(n);
    if (x.total <= 0) return;
    QString given = value.trimmed();
    const double v = Numbers::amount(QString(given).remove(u'%'));
    if (given.contains(u'%')) {
        x.total *= 1.0 - v / 100.0;
        appendLine(n, QStringLiteral("     -") + Numbers::plain(v) + text(Texts::PercentDiscount));
    } else {
        x.total -= v;
        appendLine(n, QStringLiteral("     -") + m_symbol + given + text(Texts::AmountDiscount));
    }
    showTotal(n);
}

namespace {

// An answer to the discount or interest prompt is taken when it is not negative and, as a
// percentage, not above 99.
bool acceptableAdjustment(const QString& answer) {
    const double v = Numbers::amount(QString(answer).remove(u'%'));
    return v >= 0 && !(answer.contains(u'%') && v > 99);
}

} // namespace

void Counter::mnuDescx_Click() {
    for (;;) {
        const QString answer = prompt(text(Texts::DiscountPrompt));
        if (answer.trimmed().isEmpty()) return;
        if (acceptableAdjustment(answer)) {
            eDesc(answer);
            return;
        }
    }
}

void Counter::mnuIVA_Click() {
    QString answer;
    for (;;) {
        answer = prompt(text(Texts::InterestPrompt));
        if (answer.trimmed().isEmpty()) return;
        if (acceptableAdjustment(answer)) break;
    }
    const int n = m_current;
    Note& x = note(n);
    const double v = Numbers::amount(QString(answer).remove(u'%'));
    if (!answer.contains(u'%')) {
        x.total += v;
        appendLine(n, QStringLiteral("     +") + m_symbol + Numbers::plain(v) + text(Texts::AmountInterest));
    } else {
        x.total *= 1.0 + v / 100.0;
        appendLine(n, QStringLiteral("     +") + Numbers::plain(v) + text(Texts::PercentInterest));
    }
    showTotal(n);
}

void Counter::eClickMenu() {
    const int n = m_current;
    const Note& x = note(n);
    const int sel = x.selected;
    const bool valid = sel >= 0 && sel < int(x.lines.size());
    bool offered = false;
    if (valid && n > 0) {
        offered = true;
    } else if (valid && n == 0 && sel > m_saleStart) {
        const QString& line = x.lines[sel];
        offered = !RegisterLines::isCashLine(line) && !RegisterLines::isCardLine(line);
    }
    QString caption;
    if (offered) {
        const QString& line = x.lines[sel];
        const qsizetype eq = line.indexOf(QLatin1String(" = "));
        caption =
            text(Texts::CancelLine) + QStringLiteral(" [") + (eq < 0 ? line : line.left(eq)).trimmed() + u']';
    }
    if (offered != m_cancelEntryVisible || caption != m_cancelEntryCaption) {
        m_cancelEntryVisible = offered;
        m_cancelEntryCaption = caption;
        Q_EMIT menusChanged();
    }
}

namespace {

// What an adjustment line did to the running total, read back from the value written in the line:
// a factor for a percentage, an amount otherwise.
struct Adjustment {
    bool percent = false;
    double value = 0.0;
};

Adjustment readAdjustment(const QString& line, const QString& symbol) {
    Adjustment a;
    const qsizetype pct = line.indexOf(u'%');
    if (pct >= 0) {
        a.percent = true;
        a.value = Numbers::leading(QStringView(line).left(pct));
    } else {
        a.value = Numbers::amount(QString(line).remove(symbol));
    }
    return a;
}

} // namespace

void Counter::mnuDel_Click() {
    const int n = m_current;
    Note& x = note(n);
    const int sel = x.selected;
    if (sel < 0 || sel >= int(x.lines.size())) return;
    if (n == 0 && (sel <= m_saleStart || RegisterLines::isCashLine(x.lines[sel]) ||
                   RegisterLines::isCardLine(x.lines[sel])))
        return;
    const int first = n == 0 ? m_saleStart + 1 : 0;
    x.lines.removeAt(sel);
    x.selected = -1;
    Q_EMIT noteChanged(n);
    eCheckTabs();

    const QString discountWord = text(Texts::AmountDiscount);
    const QString interestWord = text(Texts::ReplayInterest);
    x.total = 0.0;
    for (int i = first; i < int(x.lines.size()); ++i) {
        const QString& line = x.lines[i];
        if (line.contains(discountWord) || line.contains(interestWord)) {
            const Adjustment a = readAdjustment(line, m_symbol);
            if (a.percent)
                x.total *= 1.0 + a.value / 100.0;
            else
                x.total += a.value;
        } else if (const qsizetype at = line.lastIndexOf(m_symbol); at >= 0) {
            x.total += Numbers::amount(line.mid(at + m_symbol.size()));
        }
    }
    showTotal(n);
    if (n > 0 && Numbers::amount(m_totalText) <= 0) setTabCaption(n, text(Texts::NewTab));
    if ((n > 0 && x.lines.isEmpty()) || (n == 0 && int(x.lines.size()) - 1 == m_saleStart)) x.used = false;
    if (!x.lines.isEmpty()) selectLast(n);
    eClickMenu();
}

// ---------------------------------------------------------------------------------------------------
// Tabs

void Counter::lblTask_Click(int index) {
    if (index < 0 || index >= kNotes) return;
    m_current = index;
    eClickOnTabs(m_current);
}

void Counter::eBacktoIndex() {
    m_current = 0;
    eClickOnTabs(0);
}

void Counter::eClickOnTabs(int which) {
    const int n = m_current;
    Q_EMIT currentNoteChanged(which);
    selectLast(n);
    if (m_lastFocus == 5)
        lblFinder_Click();
    else
        Q_EMIT focusRequested(Focus::Note);
    const auto saved = note(n).fields;
    for (int k = 0; k < 4; ++k)
        setField(k, saved[std::size_t(k)]);
    const Note& x = note(n);
    const double cash = x.cash;
    const double change = x.change;
    setTotalText(Numbers::format(x.total, Numbers::Picture::Plain));
    setCashText(Numbers::format(cash, Numbers::Picture::Plain));
    setChangeText(Numbers::format(change, Numbers::Picture::Plain));
    eCheckTabs();
    eCheckCanCut();
    eClickMenu();
}

void Counter::eCheckTabs() {
    for (int i = 0; i <= 3; ++i) {
        const int t = i + 1;
        if (i > 0 && noteLines(i).isEmpty() && noteLines(t).isEmpty()) {
            m_tabEnabled[std::size_t(t)] = false;
            setTabCaption(t, kDash);
        } else {
            m_tabEnabled[std::size_t(t)] = true;
            if (m_tabCaptions[std::size_t(t)] == kDash) setTabCaption(t, text(Texts::NewTab));
        }
    }
    Q_EMIT tabsChanged();
    while (m_current > 0 && m_tabCaptions[std::size_t(m_current)] == kDash) {
        --m_current;
        eClickOnTabs(m_current);
    }
}

void Counter::lstNote_Click(int row) {
    Note& x = front();
    x.selected = (row >= 0 && row < int(x.lines.size())) ? row : -1;
    Q_EMIT noteSelectionChanged(m_current);
    eClickMenu();
}

void Counter::mnuEditNote_Click() {
    if (!m_editorVisible || m_editingList) eNoteToEdit();
}

void Counter::eNoteToEdit() {
    if (front().used) {
        say(text(Texts::CancelCurrentFirst), Dialogs::Icon::Information);
        return;
    }
    if (!m_editWarned) {
        say(text(Texts::EditWarning), Dialogs::Icon::Information);
        m_editWarned = true;
    }
    eEdit(0);
}

void Counter::eItemToEdit() {
    eEdit(1);
}

void Counter::eEdit(int /*index*/) {
    // The editor panel opens here on the register (0) or the item list (1).
}

// ---------------------------------------------------------------------------------------------------
// Item search and stock

void Counter::lblFinder_Click() {
    m_finderVisible = true;
    Q_EMIT finderChanged();
    Q_EMIT focusRequested(Focus::Finder);
}

void Counter::txtFinder_Change(const QString& query) {
    m_finderText = query;
    Q_EMIT finderChanged();
    const ItemList::Filtered result = m_items.filter(query, text(Texts::NoMatches), text(Texts::NoItems));
    m_itemSelected = -1;
    Q_EMIT itemsChanged();
    if (result == ItemList::Filtered::EmptyList) return;
    if (query.isEmpty()) {
        setField(Description, m_noneText);
        setField(Price, QStringLiteral("0.00"));
    }
    if (result == ItemList::Filtered::Hits) {
        selectItem(0);
    } else {
        setField(Description, m_noneText);
        setField(Price, QStringLiteral("0.00"));
    }
}

void Counter::txtFinder_Enter() {
    const QString noMatches = text(Texts::NoMatches);
    const bool hit = m_items.shownCount() >= 1 && m_items.shownLine(0) != noMatches;
    if (hit && !m_lookupMode) {
        ePreFactura();
        txtFinder_Change(QString());
        return;
    }
    if (m_lookupMode) {
        if (hit) {
            const QString first = m_items.shownLine(0);
            const qsizetype bracket = first.indexOf(QLatin1String("] "));
            say(text(Texts::LookupItem) + QStringLiteral("\r\n[") +
                    (bracket < 0 ? first : first.mid(bracket + 2)) + u']',
                Dialogs::Icon::None);
        } else {
            say(text(Texts::LookupNoMatches), Dialogs::Icon::None);
        }
        Q_EMIT focusRequested(Focus::Finder);
    }
}

void Counter::txtFinder_FocusOut() {
    if (m_finderText.isEmpty() && m_finderVisible) {
        m_finderVisible = false;
        Q_EMIT finderChanged();
    }
}

void Counter::setLookupMode(bool on) {
    if (m_lookupMode == on) return;
    m_lookupMode = on;
    Q_EMIT lookupModeChanged(on);
}

void Counter::eMoveProduct() {
    const int n = m_current;
    const QStringList& lines = noteLines(n);
    const QStringList sale = n == 0 ? lines.mid(m_saleStart + 1) : lines;
    const ItemList::StockMove moved = m_items.moveStock(sale, m_symbol, text(Texts::Of));
    if (!moved.changed.empty()) Q_EMIT itemLinesChanged(moved.changed);
    if (!moved.ok()) {
        say(text(ItemTexts::StockMoveFailed), Dialogs::Icon::Error);
        return;
    }
    eSaveList();
}

void Counter::mnuCountAll_Click() {
    const QString answer = prompt(text(ItemTexts::UserKeyPrompt));
    switch (ItemList::checkUserKey(answer, m_userKey)) {
    case ItemList::KeyAnswer::Stop:
        return;
    case ItemList::KeyAnswer::Wrong:
        say(text(ItemTexts::KeyIncorrect), Dialogs::Icon::Error);
        return;
    case ItemList::KeyAnswer::Granted:
        break;
    }
    const auto value = m_items.inventoryValue(m_symbol);
    if (!value) return;
    say(ItemTexts::inventoryMessage(m_language, m_symbol, ItemList::inventoryValueText(*value)),
        Dialogs::Icon::None);
}

void Counter::mnuPriceChg_Click(int index) {
    const QString question = text(index == 0 ? ItemTexts::RaisePrompt : ItemTexts::LowerPrompt);
    ItemList::PriceChange change;
    do {
        change = ItemList::readPriceChange(prompt(question));
    } while (change.kind == ItemList::PriceChange::Kind::AskAgain);
    if (change.kind == ItemList::PriceChange::Kind::Cancel) return;
    m_items.changePrices(change, index == 0, m_symbol);
    m_itemSelected = -1;
    Q_EMIT itemsChanged();
    eSaveList();
}

// ---------------------------------------------------------------------------------------------------
// Timers

void Counter::tmrAtt_Timer() {
    if (m_inDialog > 0) return;
    const QString description = field(Description);
    const bool active =
        !description.isEmpty() && description != m_noneText && Numbers::amount(field(Price)) == 0;
    QString title = m_priceTitle;
    if (active && !title.contains(u'*'))
        title.prepend(u'*');
    else
        title.remove(u'*');
    if (title != m_priceTitle) {
        m_priceTitle = title;
        Q_EMIT priceTitleChanged();
    }
}

// ---------------------------------------------------------------------------------------------------
// Help, tips and the item line syntax

void Counter::showSyntaxMessage() {
    say(ItemTexts::formatMessage(m_language, m_symbol), Dialogs::Icon::Information);
}

void Counter::lblHelp_Click() {
    const QString help = path(text(Texts::HelpFile));
    if (!TextFile::eFind(help)) {
        say(text(Texts::HelpMissing), Dialogs::Icon::Information);
        return;
    }
    if (!m_shell.open(help)) say(text(Texts::HelpFailed), Dialogs::Icon::Warning);
}

void Counter::eTip() {
    if (m_editorVisible) {
        say(text(Texts::TipEditing), Dialogs::Icon::Information);
        return;
    }
    static const std::array<Text, 5> kTips = {Texts::TipStep1, Texts::TipStep2, Texts::TipStep3,
                                              Texts::TipStep4, Texts::TipStep5};
    const int step = std::clamp(front().step, 1, 5);
    say(text(kTips[std::size_t(step - 1)]), Dialogs::Icon::Information);
    if (step == 4) Q_EMIT focusRequested(Focus::Cash);
}

void Counter::lblCalc_Click() {
    Q_EMIT calculatorRequested();
}

void Counter::lstItem_DblClick(int row) {
    if (items().shownLine(row).contains(symbol()))
        ePreFactura();
    else
        showSyntaxMessage();
}
