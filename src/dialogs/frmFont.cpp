#include "dialogs/frmFont.h"

#include "printing/ColorRef.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace kelvo {

namespace {

struct CNamedValue {
    const char16_t* name;
    int32_t value;
};

constexpr CNamedValue kWeights[] = {
    {u"极细", 100}, {u"特细", 200}, {u"细体", 300}, {u"常规", 400}, {u"中等", 500},
    {u"半粗", 600}, {u"粗体", 700}, {u"特粗", 800}, {u"极粗", 900},
};

// The sixteen standard colours, red in the low byte.
constexpr CNamedValue kColors[] = {
    {u"黑色", 0x000000},   {u"褐红色", 0x000080}, {u"绿色", 0x008000},   {u"橄榄色", 0x008080},
    {u"藏青色", 0x800000}, {u"紫色", 0x800080},   {u"深青色", 0x808000}, {u"灰色", 0x808080},
    {u"银色", 0xC0C0C0},   {u"红色", 0x0000FF},   {u"鲜绿色", 0x00FF00}, {u"黄色", 0x00FFFF},
    {u"蓝色", 0xFF0000},   {u"紫红色", 0xFF00FF}, {u"水绿色", 0xFFFF00}, {u"白色", 0xFFFFFF},
};

// What the face list shows after each Chinese face, in the face itself.
const QString kChineseSample = QStringLiteral("口算练习 12＋5=17");

// The characters a worksheet line is padded and counted with share one advance in a
// face whose columns line up.
bool LinesUpColumns(const QFont& font) {
    const QFontMetricsF metrics(font);
    const qreal space = metrics.horizontalAdvance(u' ');
    for (const QChar c : QStringLiteral("0123456789()=_"))
        if (metrics.horizontalAdvance(c) != space)
            return false;
    return true;
}

QIcon Swatch(int32_t iColor) {
    QPixmap swatch(16, 16);
    swatch.fill(ColorFromColorRef(iColor));
    return QIcon(swatch);
}

template <typename TWidget>
TWidget* Named(TWidget* pWidget, const char* pName) {
    pWidget->setObjectName(QString::fromLatin1(pName));
    return pWidget;
}

} // namespace

QFont ChoiceFont(const CFontChoice& choice) {
    QFont font(choice.strName);
    font.setPointSize(choice.iSize);
    font.setWeight(QFont::Weight(choice.iWeight <= 0 ? int(QFont::Normal)
                                                     : std::clamp(choice.iWeight, 1, 1000)));
    font.setItalic(choice.bItalic);
    font.setUnderline(choice.bUnderline);
    font.setStrikeOut(choice.bStrikethru);
    return font;
}

frmFont::frmFont(QWidget* pOwner)
    : QDialog(pOwner), cboFontName(Named(new QFontComboBox, "cboFontName")),
      cboFontWeight(Named(new QComboBox, "cboFontWeight")),
      spnFontSize(Named(new QSpinBox, "spnFontSize")),
      chkItalic(Named(new QCheckBox(QStringLiteral("倾斜(&I)")), "chkItalic")),
      chkUnderline(Named(new QCheckBox(QStringLiteral("下划线(&U)")), "chkUnderline")),
      chkStrikethru(Named(new QCheckBox(QStringLiteral("删除线(&K)")), "chkStrikethru")),
      cboColor(Named(new QComboBox, "cboColor")), lblSample(Named(new QLabel, "lblSample")),
      lblPitchNote(
          Named(new QLabel(QStringLiteral("这不是等宽字体：用在输出框里，题目的各列会对不齐。")),
                "lblPitchNote")),
      m_errors(
          [this](const QString& strText) { QMessageBox::warning(this, windowTitle(), strText); }) {
    setObjectName(QStringLiteral("frmFont"));
    setWindowTitle(QStringLiteral("字体"));
    // Only the listed, installed faces can be chosen.
    cboFontName->setEditable(false);
    for (const QString& strFamily : QFontDatabase::families(QFontDatabase::SimplifiedChinese))
        cboFontName->setSampleTextForFont(strFamily, kChineseSample);
    spnFontSize->setRange(kSmallestSize, kLargestSize);
    spnFontSize->setSuffix(QStringLiteral(" 磅"));
    AddWeights();
    AddColors();

    auto* pFace = new QFormLayout;
    pFace->addRow(QStringLiteral("字体(&F)："), cboFontName);
    pFace->addRow(QStringLiteral("字形(&Y)："), cboFontWeight);
    pFace->addRow(QStringLiteral("大小(&S)："), spnFontSize);

    auto* pEffects = new QGroupBox(QStringLiteral("效果"));
    auto* pEffectsLayout = new QFormLayout(pEffects);
    pEffectsLayout->addRow(chkItalic);
    pEffectsLayout->addRow(chkUnderline);
    pEffectsLayout->addRow(chkStrikethru);
    pEffectsLayout->addRow(QStringLiteral("颜色(&C)："), cboColor);

    auto* pSample = new QGroupBox(QStringLiteral("示例"));
    auto* pSampleLayout = new QVBoxLayout(pSample);
    lblSample->setText(QStringLiteral("口算练习 12＋(   )=17 AaBbYyZz"));
    lblSample->setAlignment(Qt::AlignCenter);
    lblSample->setFixedSize(360, 110);
    pSampleLayout->addWidget(lblSample);
    // The note comes and goes with the face; the dialog keeps its size.
    QSizePolicy notePolicy = lblPitchNote->sizePolicy();
    notePolicy.setRetainSizeWhenHidden(true);
    lblPitchNote->setSizePolicy(notePolicy);
    pSampleLayout->addWidget(lblPitchNote);

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    Named(pButtons->button(QDialogButtonBox::Ok), "cmdOK")->setText(QStringLiteral("确定"));
    Named(pButtons->button(QDialogButtonBox::Cancel), "cmdCancel")->setText(QStringLiteral("取消"));
    connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* pLayout = new QVBoxLayout(this);
    pLayout->addLayout(pFace);
    pLayout->addWidget(pEffects);
    pLayout->addWidget(pSample);
    pLayout->addWidget(pButtons);
    pLayout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cboFontWeight, &QComboBox::currentIndexChanged, this, [this](int iIndex) {
        m_errors.Run([&] {
            m_iWeight = cboFontWeight->itemData(iIndex).toInt();
            UpdateSample();
        });
    });
    const auto updateSample = [this] { m_errors.Run([this] { UpdateSample(); }); };
    connect(cboFontName, &QComboBox::currentIndexChanged, this, updateSample);
    connect(spnFontSize, &QSpinBox::valueChanged, this, updateSample);
    connect(cboColor, &QComboBox::currentIndexChanged, this, updateSample);
    for (QCheckBox* pBox : {chkItalic, chkUnderline, chkStrikethru})
        connect(pBox, &QCheckBox::toggled, this, updateSample);
}

void frmFont::AddWeights() {
    for (const CNamedValue& weight : kWeights)
        cboFontWeight->addItem(QString::fromUtf16(weight.name), weight.value);
}

void frmFont::AddColors() {
    for (const CNamedValue& color : kColors)
        cboColor->addItem(Swatch(color.value), QString::fromUtf16(color.name), color.value);
}

void frmFont::SetChoice(const CFontChoice& choice) {
    cboFontName->setCurrentFont(QFont(choice.strName));
    SelectWeight(choice.iWeight);
    spnFontSize->setValue(choice.iSize);
    chkItalic->setChecked(choice.bItalic);
    chkUnderline->setChecked(choice.bUnderline);
    chkStrikethru->setChecked(choice.bStrikethru);
    SelectColor(choice.iColor);
    UpdateSample();
}

CFontChoice frmFont::Choice() const {
    return {cboFontName->currentText(),     spnFontSize->value(),      m_iWeight,
            chkItalic->isChecked(),         chkUnderline->isChecked(), chkStrikethru->isChecked(),
            cboColor->currentData().toInt()};
}

// Shows the nearest listed weight; 0 (no preference) shows as normal.
void frmFont::SelectWeight(int32_t iWeight) {
    const int32_t iShown = iWeight <= 0 ? 400 : iWeight;
    int iNearest = 0;
    for (int i = 1; i < cboFontWeight->count(); ++i) {
        if (std::abs(cboFontWeight->itemData(i).toInt() - iShown) <
            std::abs(cboFontWeight->itemData(iNearest).toInt() - iShown))
            iNearest = i;
    }
    {
        const QSignalBlocker blocker(cboFontWeight);
        cboFontWeight->setCurrentIndex(iNearest);
    }
    m_iWeight = iWeight;
}

void frmFont::SelectColor(int32_t iColor) {
    int iIndex = cboColor->findData(iColor);
    if (iIndex < 0) {
        cboColor->addItem(Swatch(iColor), QStringLiteral("自定义"), iColor);
        iIndex = cboColor->count() - 1;
    }
    cboColor->setCurrentIndex(iIndex);
}

void frmFont::UpdateSample() {
    const CFontChoice choice = Choice();
    const QFont font = ChoiceFont(choice);
    lblSample->setFont(font);
    lblPitchNote->setHidden(LinesUpColumns(font));
    QPalette palette = lblSample->palette();
    palette.setColor(QPalette::WindowText, ColorFromColorRef(choice.iColor));
    lblSample->setPalette(palette);
}

} // namespace kelvo
