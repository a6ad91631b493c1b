#include "training/frmPaperAnswers.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace kelvo {

frmPaperAnswers::frmPaperAnswers(const QStringList& questions, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("录入纸上答题"));
    auto* note =
        new QLabel(QStringLiteral("在做错了的题后面打勾，再点“记下”。没打勾的题算做对了。"));
    note->setWordWrap(true);
    auto* list = new QWidget;
    auto* grid = new QGridLayout(list);
    for (qsizetype k = 0; k < questions.size(); ++k) {
        auto* missed = new QCheckBox(QStringLiteral("做错了"));
        missed->setObjectName(QStringLiteral("chkMissed_%1").arg(k));
        chkMissed.push_back(missed);
        auto* question = new QLabel(questions[k]);
        question->setObjectName(QStringLiteral("lblQuestion_%1").arg(k));
        const auto row = static_cast<int>(k);
        grid->addWidget(question, row, 0);
        grid->addWidget(missed, row, 1);
    }
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(static_cast<int>(questions.size()), 1);
    auto* scroll = new QScrollArea;
    scroll->setWidget(list);
    scroll->setWidgetResizable(true);
    cmdKeep = new QPushButton(QStringLiteral("记下"));
    cmdKeep->setObjectName(QStringLiteral("cmdKeep"));
    cmdCancel = new QPushButton(QStringLiteral("取消"));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdKeep);
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);
    connect(cmdKeep, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    resize(360, 480);
}

std::vector<bool> frmPaperAnswers::Missed() const {
    std::vector<bool> missed;
    for (const QCheckBox* box : chkMissed) {
        missed.push_back(box->isChecked());
    }
    return missed;
}

} // namespace kelvo
