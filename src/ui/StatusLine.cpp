#include "StatusLine.h"

#include <QResizeEvent>
#include <QTextLayout>
#include <QToolTip>

namespace {

// Lines no wider than the bar, so the tooltip over it has its shape.
QString WrapToWidth(const QString& text, int width) {
    QTextLayout layout(text, QToolTip::font());
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines << text.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines.join(QLatin1Char('\n'));
}

} // namespace

CStatusLine::CStatusLine(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("statusLine"));
    // The bar's width is the window's; a long text must not ask for more.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    setMinimumWidth(0);
    setTextFormat(Qt::PlainText);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_strMessage.clear();
        Refresh();
    });
}

void CStatusLine::ShowMessage(const QString& text, int milliseconds) {
    m_strMessage = text;
    m_timer.start(milliseconds);
    Refresh();
}

void CStatusLine::Withdraw(const QString& text) {
    if (text.isEmpty() || text != m_strMessage)
        return;
    m_timer.stop();
    m_strMessage.clear();
    Refresh();
}

void CStatusLine::ShowTip(const QString& tip) {
    m_strTip = tip;
    Refresh();
}

void CStatusLine::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    Refresh();
}

void CStatusLine::Refresh() {
    const QString full = FullText();
    const QString shown =
        fontMetrics().elidedText(full, Qt::ElideRight, std::max(0, contentsRect().width()));
    setText(shown);
    setToolTip(shown == full ? QString() : WrapToWidth(full, std::max(width(), 200)));
}
