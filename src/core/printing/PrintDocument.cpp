#include "PrintDocument.h"

#include <QRegularExpression>

namespace {
QStringList splitLines(const QString& text) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    return text.split(breaks);
}
} // namespace

QString PrintDocument::kindName(Kind kind) {
    switch (kind) {
    case Kind::Ticket:
        return QStringLiteral("ticket");
    case Kind::BusinessCopy:
        return QStringLiteral("copy");
    case Kind::Report:
        return QStringLiteral("report");
    case Kind::Notice:
        return QStringLiteral("notice");
    case Kind::ShopData:
        return QStringLiteral("shop");
    case Kind::TestPage:
        return QStringLiteral("test");
    case Kind::XReport:
        return QStringLiteral("x-report");
    case Kind::ZReport:
        return QStringLiteral("z-report");
    case Kind::CountNotice:
        return QStringLiteral("count");
    case Kind::SalesReport:
        return QStringLiteral("sales");
    }
    return QStringLiteral("job");
}

PrintDocument& PrintDocument::font(const QString& name) {
    m_steps.push_back({Step::Type::Font, name, 0.0, false, {}});
    return *this;
}

PrintDocument& PrintDocument::size(double points) {
    m_steps.push_back({Step::Type::Size, QString(), points, false, {}});
    return *this;
}

PrintDocument& PrintDocument::bold(bool on) {
    m_steps.push_back({Step::Type::Bold, QString(), 0.0, on, {}});
    return *this;
}

PrintDocument& PrintDocument::line(const QString& text) {
    m_steps.push_back({Step::Type::Line, text, 0.0, false, {}});
    return *this;
}

PrintDocument& PrintDocument::prependLine(const QString& text) {
    auto at = m_steps.begin();
    while (at != m_steps.end() && at->type != Step::Type::Line)
        ++at;
    m_steps.insert(at, {Step::Type::Line, text, 0.0, false, {}});
    return *this;
}

PrintDocument& PrintDocument::picture(const QByteArray& image) {
    m_steps.push_back({Step::Type::Picture, QString(), 0.0, false, image});
    return *this;
}

QStringList PrintDocument::lines() const {
    QStringList out;
    for (const Step& step : m_steps)
        if (step.type == Step::Type::Line) out.append(splitLines(step.text));
    return out;
}

std::vector<PrintDocument::PrintedLine> PrintDocument::printedLines(bool withPictures) const {
    std::vector<PrintedLine> out;
    QString font;
    double size = 0.0;
    bool bold = false;
    for (const Step& step : m_steps) {
        switch (step.type) {
        case Step::Type::Font:
            font = step.text;
            break;
        case Step::Type::Size:
            size = step.size;
            break;
        case Step::Type::Bold:
            bold = step.bold;
            break;
        case Step::Type::Line:
            for (const QString& text : splitLines(step.text))
                out.push_back({text, font, size, bold, {}});
            break;
        case Step::Type::Picture:
            if (withPictures) out.push_back({QString(), font, size, bold, step.picture});
            break;
        }
    }
    return out;
}

QStringList PrintDocument::stepTexts() const {
    QStringList out;
    for (const Step& step : m_steps) {
        switch (step.type) {
        case Step::Type::Font:
            out.append(QStringLiteral("font ") + step.text);
            break;
        case Step::Type::Size:
            out.append(QStringLiteral("size ") + QString::number(step.size));
            break;
        case Step::Type::Bold:
            out.append(QStringLiteral("bold ") + QString::number(int(step.bold)));
            break;
        case Step::Type::Line:
            out.append(QStringLiteral("line ") + step.text);
            break;
        case Step::Type::Picture:
            out.append(QStringLiteral("picture ") + QString::number(step.picture.size()));
            break;
        }
    }
    return out;
}
