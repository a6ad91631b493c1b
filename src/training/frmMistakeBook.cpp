#include "training/frmMistakeBook.h"

#include "drill/FormAnswers.h"
#include "store/CDrillHistory.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kelvo {
namespace {

enum Column { QuestionColumn, AnswerColumn, MissedColumn, LastMissedColumn, ReviewColumn };

QString QuestionText(const CBookEntry& entry) {
    return QString::fromStdU16String(DrillQuestionText(*entry.kept.question));
}

QTreeWidgetItem* KindItem(QTreeWidget& tree, const QString& strKind) {
    auto* item = new QTreeWidgetItem(&tree, {strKind});
    item->setFirstColumnSpanned(true);
    QFont bold = item->font(QuestionColumn);
    bold.setBold(true);
    item->setFont(QuestionColumn, bold);
    item->setExpanded(true);
    return item;
}

void AddEntry(QTreeWidgetItem& kind, const CBookEntry& entry) {
    auto* item = new QTreeWidgetItem(
        &kind, {QuestionText(entry),
                QString::fromStdU16String(CAnswer::RightFor(*entry.kept.question).Text()),
                QStringLiteral("%1次").arg(entry.missed),
                entry.lastMissed.toString(QStringLiteral("M月d日 HH:mm")),
                entry.rightDay.isValid() ? QStringLiteral("已答对1天") : QString()});
    for (const int column : {AnswerColumn, MissedColumn}) {
        item->setTextAlignment(column, Qt::AlignCenter);
    }
}

} // namespace

frmMistakeBook::frmMistakeBook(CDrillHistory& history, bool bCanReview, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("错题本"));
    treMistakes = new QTreeWidget;
    treMistakes->setObjectName(QStringLiteral("treMistakes"));
    treMistakes->setHeaderLabels({QStringLiteral("题目"), QStringLiteral("正确答案"),
                                  QStringLiteral("错了几次"), QStringLiteral("最近一次错"),
                                  QStringLiteral("重练进度")});
    treMistakes->setRootIsDecorated(true);
    treMistakes->setSelectionMode(QAbstractItemView::NoSelection);
    lblSummary = new QLabel;
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setWordWrap(true);
    lblMessage = new QLabel;
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setWordWrap(true);
    lblMessage->setStyleSheet(QStringLiteral("color: #b00000"));
    cmdReview = new QPushButton(QStringLiteral("错题重练"));
    cmdReview->setObjectName(QStringLiteral("cmdReview"));
    cmdClose = new QPushButton(QStringLiteral("关闭"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdReview);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(treMistakes, 1);
    layout->addWidget(lblSummary);
    layout->addWidget(lblMessage);
    layout->addLayout(buttons);

    const int shown = ShowBook(history);
    lblMessage->setText(history.TakeMessage());
    lblMessage->setVisible(!lblMessage->text().isEmpty());
    cmdReview->setEnabled(bCanReview && shown > 0);
    connect(cmdReview, &QPushButton::clicked, this, [this] {
        emit reviewRequested();
        accept();
    });
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    resize(720, 520);
}

int frmMistakeBook::ShowBook(CDrillHistory& history) {
    const std::vector<CBookEntry> book = history.MistakeBook();
    QTreeWidgetItem* kind = nullptr;
    for (size_t i = 0; i < book.size(); ++i) {
        if (i == 0 || book[i].kept.kind != book[i - 1].kept.kind) {
            kind = KindItem(*treMistakes, QString::fromStdU16String(book[i].kept.kind));
        }
        AddEntry(*kind, book[i]);
    }
    for (int k = 0; k < treMistakes->topLevelItemCount(); ++k) {
        QTreeWidgetItem* item = treMistakes->topLevelItem(k);
        item->setText(
            QuestionColumn,
            QStringLiteral("%1（%2 道）").arg(item->text(QuestionColumn)).arg(item->childCount()));
    }
    treMistakes->expandAll();
    // Room beside the widest text of each column, the kind rows aside.
    const int padding = 2 * fontMetrics().horizontalAdvance(u'中');
    for (int column = QuestionColumn; column < ReviewColumn; ++column) {
        treMistakes->resizeColumnToContents(column);
        treMistakes->setColumnWidth(column, treMistakes->columnWidth(column) + padding);
    }
    lblSummary->setText(
        book.empty()
            ? QStringLiteral("错题本里没有题目。训练中做错或没做的题会记在这里。")
            : QStringLiteral("共 %1 道错题。“错题重练”最多出 30 道，错得多的先出；一道题在错题"
                             "重练里有两天都答对了，就离开错题本。")
                  .arg(book.size()));
    return static_cast<int>(book.size());
}

} // namespace kelvo
