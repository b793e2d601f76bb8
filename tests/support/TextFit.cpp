#include "TextFit.h"

#include <QAbstractButton>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGraphicsTextItem>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTextDocument>
#include <QToolButton>
#include <QValueAxis>

namespace {

// The part of w (in its own coordinates) that its ancestors up to the window leave visible.
QRect visibleRect(const QWidget *w)
{
    QRect r = w->rect();
    QPoint offset;
    for (const QWidget *p = w; !p->isWindow() && p->parentWidget(); p = p->parentWidget()) {
        offset += p->pos();
        r &= p->parentWidget()->rect().translated(-offset);
    }
    return r;
}

QString sizeText(QSize s) { return QStringLiteral("%1x%2").arg(s.width()).arg(s.height()); }

class Checker {
public:
    explicit Checker(QWidget *window) : m_window(window) {}

    void checkShown()
    {
        for (QWidget *w : m_window->findChildren<QWidget *>()) {
            if (!w->isVisibleTo(m_window))
                continue;
            if (auto *label = qobject_cast<QLabel *>(w))
                checkLabel(label);
            else if (auto *button = qobject_cast<QAbstractButton *>(w))
                checkButton(button);
            else if (auto *bar = qobject_cast<QTabBar *>(w))
                checkTabs(bar);
            else if (auto *box = qobject_cast<QGroupBox *>(w))
                checkGroupBox(box);
            else if (auto *table = qobject_cast<QTableView *>(w))
                checkTable(table);
            else if (auto *view = qobject_cast<QChartView *>(w))
                checkChart(view);
        }
    }

    QStringList cuts() const { return m_cuts; }

    void add(const QWidget *w, const QString &text, const QString &why)
    {
        const QString line = w->objectName() + QStringLiteral(" (") + QLatin1String(w->metaObject()->className())
                             + QStringLiteral(") '") + text + QStringLiteral("': ") + why;
        if (!m_seen.contains(line)) {
            m_seen.insert(line);
            m_cuts << line;
        }
    }

private:
    // 'needed' must fit inside 'room', which must itself be visible in the window.
    void expectFits(const QWidget *w, const QString &text, QSize needed, QRect room)
    {
        const QRect shown = room & visibleRect(w);
        if (needed.width() <= shown.width() && needed.height() <= shown.height() && shown == room)
            return;
        add(w, text, QStringLiteral("needs %1, has %2 of %3").arg(sizeText(needed), sizeText(shown.size()),
                                                                     sizeText(room.size())));
    }
    void checkLabel(QLabel *label)
    {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return;
        const int m = label->margin();
        const QRect room = label->contentsRect().adjusted(m, m, -m, -m);
        const bool rich = label->textFormat() == Qt::RichText
                          || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
        QSize needed;
        if (rich) {
            QTextDocument doc;
            doc.setDocumentMargin(0);
            doc.setDefaultFont(label->font());
            doc.setHtml(label->text());
            if (label->wordWrap())
                doc.setTextWidth(room.width());
            needed = QSize(int(std::ceil(doc.idealWidth())), int(std::ceil(doc.size().height())));
        } else {
            const int flags = label->buddy() ? int(Qt::TextShowMnemonic) : 0;
            const QFontMetrics fm(label->font());
            needed = label->wordWrap()
                         ? fm.boundingRect(QRect(0, 0, room.width(), 1 << 20), flags | Qt::TextWordWrap, label->text()).size()
                         : fm.size(flags, label->text());
        }
        expectFits(label, label->text(), needed, room);
    }

    void checkButton(QAbstractButton *button)
    {
        if (button->text().isEmpty())
            return;
        if (auto *tool = qobject_cast<QToolButton *>(button); tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
            return;
        if (qobject_cast<QTabBar *>(button->parentWidget()))
            return; // the tab bar's scroll arrows
        QStyleOptionButton opt;
        opt.initFrom(button);
        opt.text = button->text();
        opt.icon = button->icon();
        opt.iconSize = button->iconSize();
        QStyle::SubElement contents = QStyle::SE_PushButtonContents;
        if (qobject_cast<QCheckBox *>(button))
            contents = QStyle::SE_CheckBoxContents;
        else if (qobject_cast<QRadioButton *>(button))
            contents = QStyle::SE_RadioButtonContents;
        else if (!qobject_cast<QPushButton *>(button))
            contents = QStyle::SE_PushButtonContents;
        const QRect room = button->style()->subElementRect(contents, &opt, button);
        QSize needed = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
        if (!button->icon().isNull())
            needed.rwidth() += button->iconSize().width() + 4;
        expectFits(button, button->text(), needed, room);
    }

    void checkTabs(QTabBar *bar)
    {
        const QRect barRoom = visibleRect(bar);
        const int space = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
        for (int i = 0; i < bar->count(); ++i) {
            if (!bar->isTabVisible(i))
                continue;
            const QRect tab = bar->tabRect(i);
            QSize needed = bar->fontMetrics().size(Qt::TextShowMnemonic, bar->tabText(i));
            needed.rwidth() += space;
            if (!barRoom.contains(tab))
                add(bar, bar->tabText(i), QStringLiteral("tab %1 lies outside the bar").arg(i));
            else
                expectFits(bar, bar->tabText(i), needed, tab);
        }
        for (auto *arrow : bar->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly))
            if (arrow->isVisibleTo(bar))
                add(bar, QString(), QStringLiteral("scroll arrows shown"));
    }

    void checkGroupBox(QGroupBox *box)
    {
        if (box->title().isEmpty())
            return;
        QStyleOptionGroupBox opt;
        opt.initFrom(box);
        opt.text = box->title();
        opt.lineWidth = 1;
        opt.textAlignment = box->alignment();
        opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        if (box->isCheckable())
            opt.subControls |= QStyle::SC_GroupBoxCheckBox;
        opt.features = box->isFlat() ? QStyleOptionFrame::Flat : QStyleOptionFrame::None;
        const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, box);
        const QSize needed = box->fontMetrics().size(Qt::TextShowMnemonic, box->title());
        expectFits(box, box->title(), needed, label & box->rect());
        if (!box->rect().contains(label))
            add(box, box->title(), QStringLiteral("title runs past the frame"));
    }

    void checkTable(QTableView *table)
    {
        const QAbstractItemModel *model = table->model();
        if (!model)
            return;
        const int pad = 2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
        const QWidget *viewport = table->viewport();
        if (!visibleRect(table).contains(table->rect()))
            add(table, QString(), QStringLiteral("the grid is cut by its window"));
        for (int r = 0; r < model->rowCount(); ++r) {
            if (table->isRowHidden(r))
                continue;
            for (int c = 0; c < model->columnCount(); ++c) {
                if (table->isColumnHidden(c))
                    continue;
                const QModelIndex index = model->index(r, c);
                const QString text = index.data(Qt::DisplayRole).toString();
                if (text.isEmpty())
                    continue;
                const QVariant font = index.data(Qt::FontRole);
                const QFontMetrics fm(font.isValid() ? font.value<QFont>() : table->font());
                QSize needed = fm.size(0, text);
                needed.rwidth() += pad;
                // A long grid scrolls down to its rows, never sideways to a column.
                const QRect cell = table->visualRect(index);
                const QRect across(cell.left(), 0, cell.width(), viewport->height());
                if (!viewport->rect().contains(across))
                    add(table, text, QStringLiteral("cell %1,%2 is not wholly in view").arg(r).arg(c));
                else if (needed.width() > cell.width() || needed.height() > cell.height())
                    add(table, text, QStringLiteral("cell %1,%2 needs %3, has %4")
                                         .arg(r).arg(c).arg(sizeText(needed), sizeText(cell.size())));
            }
        }
        for (const QHeaderView *header : {table->horizontalHeader(), table->verticalHeader()}) {
            if (!header->isVisibleTo(m_window))
                continue;
            const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
            for (int s = 0; s < header->count(); ++s) {
                if (header->isSectionHidden(s))
                    continue;
                const QString text = model->headerData(s, header->orientation(), Qt::DisplayRole).toString();
                if (text.isEmpty())
                    continue;
                QSize needed = header->fontMetrics().size(0, text);
                needed.rwidth() += margin;
                const int pos = header->sectionViewportPosition(s);
                const QRect section = header->orientation() == Qt::Horizontal
                                          ? QRect(pos, 0, header->sectionSize(s), header->height())
                                          : QRect(0, pos, header->width(), header->sectionSize(s));
                if (needed.width() > section.width() || needed.height() > section.height()
                    || !header->viewport()->rect().contains(section))
                    add(table, text, QStringLiteral("header %1 needs %2, has %3")
                                         .arg(s).arg(sizeText(needed), sizeText(section.size())));
            }
        }
    }

    // A chart shortens a title that has no room to "...": the titles it was given must be
    // shown as they are.
    void checkChart(QChartView *view)
    {
        QChart *chart = view->chart();
        if (!chart || !view->scene())
            return;
        view->grab();
        QStringList shown;
        for (QGraphicsItem *item : view->scene()->items())
            if (auto *text = dynamic_cast<QGraphicsTextItem *>(item); text && text->isVisible())
                shown << text->toPlainText();
        QStringList titles{chart->title()};
        for (QAbstractAxis *axis : chart->axes())
            if (axis->isVisible() && axis->isTitleVisible())
                titles << axis->titleText();
        for (const QString &title : titles)
            if (!title.isEmpty() && !shown.contains(title))
                add(view, title, QStringLiteral("shown shortened"));
    }

    QWidget *m_window;
    QStringList m_cuts;
    QSet<QString> m_seen;
};

} // namespace

QStringList CutTexts(QWidget *window)
{
    Checker checker(window);
    // A title bar sets the title in bold beside the window's icon and buttons.
    QFont bold = window->font();
    bold.setBold(true);
    const int title = QFontMetrics(bold).horizontalAdvance(window->windowTitle()) + 120;
    if (window->width() < title)
        checker.add(window, window->windowTitle(), QStringLiteral("title bar needs %1, has %2").arg(title).arg(window->width()));
    checker.checkShown();
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
        if (!tabs->isVisibleTo(window))
            continue;
        const int current = tabs->currentIndex();
        for (int i = 0; i < tabs->count(); ++i) {
            if (i == current)
                continue;
            tabs->setCurrentIndex(i);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            checker.checkShown();
        }
        tabs->setCurrentIndex(current);
    }
    return checker.cuts();
}
