#include "printing/WorksheetPrint.h"

#include "printing/CWordApplication.h"
#include "printing/ColorRef.h"

#include <QFontInfo>

namespace kelvo {

namespace {

const QString kNoWorksheet = QStringLiteral("当前还没有生成题目，生成题目后才能输出打印。");
const QString kNoWordProcessor =
    QStringLiteral("由于您的系统没有安装【文字处理软件】，无法打开，"
                   "建议您安装免费的办公软件 LibreOffice（Debian 中的软件包为 libreoffice-writer，"
                   "也可以从 https://zh-cn.libreoffice.org/download/ 下载）。"
                   "您也可以直接从输出框中选中并复制题目，粘贴到其他程序中打印。");

float PointSize(const QFont& font) {
    return static_cast<float>(font.pointSizeF() > 0 ? font.pointSizeF()
                                                    : QFontInfo(font).pointSizeF());
}

void ApplyFont(CWordFont& target, const QFont& font, const QColor& color) {
    target.SetName(font.family());
    target.SetSize(PointSize(font));
    target.SetBold(font.bold());
    target.SetItalic(font.italic());
    target.SetStrikeThrough(font.strikeOut());
    target.SetUnderline(font.underline() ? 1 : 0);
    target.SetColor(ColorRefFromColor(color));
}

} // namespace

void PrintWorksheet(const QString& strWorksheet, const QFont& font, const QColor& color,
                    const CPrintFeedback& feedback, const CWordProcessorHost& host) {
    if (strWorksheet.isEmpty()) {
        feedback.ShowNotice(kNoWorksheet);
        return;
    }
    auto application = CreateWordApplication(QStringLiteral("word.Application"), host);
    if (!application)
        application = CreateWordApplication(QStringLiteral("wps.Application"), host);
    if (!application) {
        feedback.ShowMessage(kNoWordProcessor);
        return;
    }
    application->Documents().Add();
    if (CWordDocument* pDocument = application->ActiveDocument()) {
        pDocument->Content().SetText(strWorksheet);
        ApplyFont(pDocument->Content().Font(), font, color);
    }
    application->SetVisible(true);
}

} // namespace kelvo
