#include "ui/frmMainHelp.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvo {

namespace {

const char16_t* const UsageNotes =
    u"说明事项：\n"
    u"\n"
    u"1. 每个运算数的取值范围是 0 到 10000。\n"
    u"2. 运算数可以限定只取整十数或整百数。\n"
    u"3. 两个运算数之间的运算符号可以选一个，也可以选多个，但不能一个也不选。\n"
    u"4. 得数的取值范围也是 0 到 10000，同样可以限定只取整十数或整百数。\n"
    u"5. 一道算式可以有二到四个运算数。\n"
    u"6. 每两个相邻的运算数之间有一组运算符号。\n"
    u"7. 有进位、无进位只用于两个运算数的加法；有借位、无借位只用于两个运算数的减法。\n"
    u"8. 选好预设题型以后，可以随意修改它的运算数、运算符号和得数。\n"
    u"9. 点击【输出打印】把试题送到文字处理软件中打印；请选用等宽字体，各列才能对齐。\n"
    u"10. 点击【口算训练】可以在屏幕上做口算练习，每次练习的时间不宜太长。\n"
    u"\n"
    u"小提示：适当缩小运算数的范围，试题会更有练习价值。例如把范围从 1 到 9 改成 2 到 9，"
    u"或者让商的范围不含 1，算式里出现 1 和 0、被除数等于除数的情况就会少一些。\n";

} // namespace

frmMainHelp::frmMainHelp(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("frmMainHelp"));
    setWindowTitle(QString::fromUtf16(u"Kelvo帮助"));
    auto* notes = new QPlainTextEdit(QString::fromUtf16(UsageNotes), this);
    notes->setObjectName(QStringLiteral("txtHelp"));
    notes->setAccessibleName(QString::fromUtf16(u"使用说明"));
    notes->setReadOnly(true);
    auto* close = new QPushButton(QString::fromUtf16(u"关闭"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* column = new QVBoxLayout(this);
    column->addWidget(notes);
    column->addWidget(close, 0, Qt::AlignRight);
    resize(560, 420);
}

} // namespace kelvo
