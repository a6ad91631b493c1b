#include "ui/frmSheetCodes.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kelvo {

namespace {

QString Caption(const char16_t* text) {
    return QString::fromUtf16(text);
}

template <class T>
T* Named(T* widget, const char* name) {
    widget->setObjectName(QLatin1StringView(name));
    return widget;
}

// The sheet's code, with how many copies were printed of it.
QString CodesText(const CPrintedSheet& sheet) {
    return sheet.codes.size() == 1 ? sheet.codes.front()
                                   : QString::fromUtf16(u"%1 等 %2 份")
                                         .arg(sheet.codes.front())
                                         .arg(sheet.codes.size());
}

} // namespace

frmSheetCodes::frmSheetCodes(const std::vector<CPrintedSheet>& printed, QWidget* owner)
    : QDialog(owner) {
    setObjectName(QStringLiteral("frmSheetCodes"));
    setWindowTitle(Caption(u"按编号重做"));
    auto* lblCode =
        new QLabel(Caption(u"输入试卷页脚上的编号（如 7K3F-9Q2A），或者粘贴二维码里的文字：\n"
                           u"二维码能在任何电脑上重做试卷；编号只认得在这台电脑上打印过的试卷。"),
                   this);
    txtCode = Named(new QLineEdit(this), "txtCode");
    lblCode->setBuddy(txtCode);
    lstPrinted = Named(new QTreeWidget(this), "lstPrinted");
    lstPrinted->setHeaderLabels({Caption(u"日期"), Caption(u"试卷"), Caption(u"编号")});
    lstPrinted->setRootIsDecorated(false);
    for (const CPrintedSheet& sheet : printed) {
        auto* item =
            new QTreeWidgetItem(lstPrinted, {sheet.strWhen, sheet.strTitle, CodesText(sheet)});
        item->setData(0, Qt::UserRole, sheet.codes.front());
    }
    lstPrinted->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    lstPrinted->header()->setStretchLastSection(false);
    lstPrinted->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    connect(lstPrinted, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item != nullptr) {
            txtCode->setText(item->data(0, Qt::UserRole).toString());
        }
    });
    connect(lstPrinted, &QTreeWidget::itemDoubleClicked, this, [this] { Choose(Action::Preview); });

    auto* buttons = new QDialogButtonBox(this);
    cmdPreview =
        Named(buttons->addButton(Caption(u"打印预览"), QDialogButtonBox::AcceptRole), "cmdPreview");
    cmdExportPdf = Named(buttons->addButton(Caption(u"导出PDF"), QDialogButtonBox::ActionRole),
                         "cmdExportPdf");
    buttons->addButton(Caption(u"关闭"), QDialogButtonBox::RejectRole);
    cmdPreview->setDefault(true);
    connect(cmdPreview, &QPushButton::clicked, this, [this] { Choose(Action::Preview); });
    connect(cmdExportPdf, &QPushButton::clicked, this, [this] { Choose(Action::ExportPdf); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(lblCode);
    column->addWidget(txtCode);
    column->addWidget(new QLabel(Caption(u"打印过的试卷（最近的在前）："), this));
    column->addWidget(lstPrinted);
    column->addWidget(buttons);
    resize(640, 420);
}

QString frmSheetCodes::Text() const {
    return txtCode->text().trimmed();
}

void frmSheetCodes::Choose(Action action) {
    m_chosen = action;
    accept();
}

} // namespace kelvo
