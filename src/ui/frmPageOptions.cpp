#include "ui/frmPageOptions.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace kelvo {

namespace {

// In the order of PaperSize.
const char16_t* const PaperNames[] = {u"A4（210 × 297 毫米）", u"A5（148 × 210 毫米）",
                                      u"B5（176 × 250 毫米）", u"Letter（216 × 279 毫米）"};

QString Text(const char16_t* text) {
    return QString::fromUtf16(text);
}

template <class T>
T* Named(T* widget, const char* name) {
    widget->setObjectName(QLatin1StringView(name));
    return widget;
}

} // namespace

frmPageOptions::frmPageOptions(const CPageOptions& options, QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmPageOptions"));
    setWindowTitle(Text(u"页面设置"));
    cboPaper = Named(new QComboBox(this), "cboPaper");
    for (const char16_t* name : PaperNames) {
        cboPaper->addItem(Text(name));
    }
    cboPaper->setCurrentIndex(static_cast<int>(options.Paper().Size()));
    optPortrait = Named(new QRadioButton(Text(u"纵向"), this), "optPortrait");
    optLandscape = Named(new QRadioButton(Text(u"横向"), this), "optLandscape");
    auto* orientation = new QButtonGroup(this);
    orientation->addButton(optPortrait);
    orientation->addButton(optLandscape);
    (options.Paper().Orientation() == PageOrientation::Landscape ? optLandscape : optPortrait)
        ->setChecked(true);
    auto* orientationRow = new QHBoxLayout;
    orientationRow->addWidget(optPortrait);
    orientationRow->addWidget(optLandscape);
    orientationRow->addStretch();
    txtMargin = Named(new QSpinBox(this), "txtMargin");
    txtMargin->setRange(static_cast<int>(CPaper::MinMarginMillimetres),
                        static_cast<int>(CPaper::MaxMarginMillimetres));
    txtMargin->setSuffix(Text(u" 毫米"));
    txtMargin->setValue(static_cast<int>(std::lround(options.Paper().MarginMillimetres())));
    txtCopies = Named(new QSpinBox(this), "txtCopies");
    txtCopies->setRange(CPageOptions::MinCopies, CPageOptions::MaxCopies);
    txtCopies->setValue(options.Copies());
    txtCopies->setToolTip(Text(u"每一份都有自己的题目和答案"));
    chkAnswerKey = Named(new QCheckBox(Text(u"题目后面附上答案页"), this), "chkAnswerKey");
    chkAnswerKey->setChecked(options.IsAnswerKey());
    chkNumbered = Named(new QCheckBox(Text(u"给题目编号"), this), "chkNumbered");
    chkNumbered->setChecked(options.IsNumbered());
    chkColumnForm = Named(new QCheckBox(Text(u"竖式"), this), "chkColumnForm");
    chkColumnForm->setChecked(options.IsColumnForm());
    chkColumnForm->setToolTip(Text(u"两个数的算式列成竖式；三个数、四个数的算式仍写在一行上"));
    chkLargePrint = Named(new QCheckBox(Text(u"大字（一二年级）"), this), "chkLargePrint");
    chkLargePrint->setChecked(options.IsLargePrint());
    chkQrCode = Named(new QCheckBox(Text(u"页脚印二维码"), this), "chkQrCode");
    chkQrCode->setChecked(options.IsQrCode());
    chkQrCode->setToolTip(
        Text(u"二维码记下了这份试卷，用“按编号重做”能在任何电脑上重新做出试卷和答案"));
    chkLargePrint->setToolTip(
        Text(u"题目至少用 16 磅字，方框至少 8 毫米见方；题目超过半页时，各行拉开铺满整页"));

    auto* headerRow = new QHBoxLayout;
    for (size_t field = 0; field < chkHeaderFields.size(); ++field) {
        const std::u16string_view name = CPageOptions::HeaderFieldNames[field];
        chkHeaderFields[field] = new QCheckBox(QString::fromUtf16(name.data(), name.size()), this);
        chkHeaderFields[field]->setObjectName(QStringLiteral("chkHeaderFields_%1").arg(field));
        chkHeaderFields[field]->setChecked(options.HasHeaderField(field));
        headerRow->addWidget(chkHeaderFields[field]);
    }
    headerRow->addStretch();

    auto* form = new QFormLayout;
    form->addRow(Text(u"纸张："), cboPaper);
    form->addRow(Text(u"方向："), orientationRow);
    form->addRow(Text(u"页边距："), txtMargin);
    form->addRow(Text(u"份数："), txtCopies);
    form->addRow(Text(u"页眉："), headerRow);
    form->addRow(chkAnswerKey);
    form->addRow(chkNumbered);
    form->addRow(chkColumnForm);
    form->addRow(chkLargePrint);
    form->addRow(chkQrCode);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(Text(u"确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(Text(u"取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(buttons);
}

CPageOptions frmPageOptions::Options() const {
    CPageOptions options;
    options.Paper().SetSize(static_cast<PaperSize>(cboPaper->currentIndex()));
    options.Paper().SetOrientation(optLandscape->isChecked() ? PageOrientation::Landscape
                                                             : PageOrientation::Portrait);
    options.Paper().SetMarginMillimetres(txtMargin->value());
    options.SetCopies(txtCopies->value());
    options.SetIsAnswerKey(chkAnswerKey->isChecked());
    options.SetIsNumbered(chkNumbered->isChecked());
    options.SetIsColumnForm(chkColumnForm->isChecked());
    options.SetIsLargePrint(chkLargePrint->isChecked());
    options.SetIsQrCode(chkQrCode->isChecked());
    for (size_t field = 0; field < chkHeaderFields.size(); ++field) {
        options.SetHasHeaderField(field, chkHeaderFields[field]->isChecked());
    }
    return options;
}

} // namespace kelvo
