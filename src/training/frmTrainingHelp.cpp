#include "training/frmTrainingHelp.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kelvo {
namespace {

const char16_t kHelpText[] =
    u"一、选择训练模式：\n"
    u"    限时模式：在设定的时间内做题，时间一到，训练自动结束并计算成绩。\n"
    u"    计时模式：计算做完全部题目所用的时间。\n"
    u"    计分模式：只按做对和做错的题数计算成绩。\n"
    u"\n"
    u"二、出题：点击【出题】按钮或者按 C 键出题。打开训练窗口时，一般已经出好题了。\n"
    u"\n"
    u"三、开始：点击【开始】按钮或者按 S 键开始做题。用鼠标点击答案区域，选中的答案会变成绿色。\n"
    u"    "
    u"答题方式选“输入”时，从第一题起一道一道地做：用键盘上的数字键或者窗口里的数字按钮输入得数，"
    u"按回车键或者【确定】交上去，按退格键或者【退格】删去最后一位。\n"
    u"    有余数的除法先输入商，再按空格键或者【余】，然后输入余数，例如 17÷5 输入 3、空格、2。"
    u"没有余数的题，【余】不能按。\n"
    u"    小数题用键盘上的 . 键或者【.】输入小数点，例如 0.3×4 输入 1.2；1.20 和 1.2 "
    u"都算对。不是小数的题，【.】不能按。\n"
    u"    比大小的题（8＋5 ○ 12）按【＞】【＜】【＝】或者键盘上的 > < = 键；填运算符号的题（8 ○ 5 "
    u"= "
    u"13）按【＋】【－】【×】【÷】或者 + - * / 键，每个圆圈填好就交上去；估算的题（49＋32≈）"
    u"输入估算的得数，例如 80。\n"
    u"    答错了，旁边用红色写出正确答案，照着输入一遍才能做下一题。\n"
    u"\n"
    u"四、结束：做完以后点击【结束】按钮，程序会计算成绩。\n"
    u"\n"
    u"今日练习：点击【今日练习】出 30 "
    u"道题，先出做错的、做得慢的和该复习的题，再加几道新题和已经熟练的题，"
    u"然后按【开始】做题。只用于题目能一道道列出的题型，例如20以内的加减法、表内乘除法。\n"
    u"\n"
    u"掌握情况：点击【掌握情况】看当前孩子每道题的掌握程度（没做过、没掌握、慢、熟练），"
    u"格中数字是做对时用时的中位数（秒），可以打印。\n"
    u"    熟练：在这个时间以内做对的题算熟练，开始是 3 秒，可以为每个孩子修改。\n"
    u"\n"
    u"弱项练习卷：在掌握情况窗口中点击【弱项练习卷】，把做错的、做得慢的和该复习的题出成一张练习卷"
    u"，"
    u"每四道题中有一道是已经熟练的题；卷子放到主窗口，在那里打印或者导出 PDF。"
    u"在纸上做完以后，点击【录入纸上答题...】，勾出做错的题，纸上的答题也算进掌握情况。\n"
    u"\n"
    u"按键：\n"
    u"    开始做题：S 键\n"
    u"    结束做题：F 键\n"
    u"    出题：C 键\n"
    u"    输入时：数字键、回车键、退格键，有余数时空格键是【余】，比大小用 > < = 键，填运算符号用 "
    u"+ - "
    u"* / 键\n"
    u"\n"
    u"等级从低到高：\n"
    u"    婴儿-启蒙-童生-秀才-举人-同进士-进士-探花-榜眼-状元\n"
    u"\n"
    u"提示：\n"
    u"    1. 如果屏幕上显示不下全部题目，可以点击【字体...】按钮换一种字体试试。\n"
    u"    2. 不要在电脑前长时间练习，注意保护眼睛。\n";

} // namespace

frmTrainingHelp::frmTrainingHelp(QWidget* owner) : QDialog(owner) {
    setWindowTitle(QStringLiteral("Kelvo训练帮助"));
    txtHelp = new QPlainTextEdit(QString::fromUtf16(kHelpText));
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    txtHelp->setReadOnly(true);
    cmdExitTrainingHelp = new QPushButton(QStringLiteral("关闭"));
    cmdExitTrainingHelp->setObjectName(QStringLiteral("cmdExitTrainingHelp"));
    connect(cmdExitTrainingHelp, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtHelp);
    layout->addWidget(cmdExitTrainingHelp, 0, Qt::AlignRight);
    resize(560, 480);
}

} // namespace kelvo
