#include "ui/CtrlsSettings.h"

namespace kelvo {

namespace {

// The first 256 characters, never ending inside a surrogate pair.
std::u16string TitleText(const QString& text) {
    QString title = text.left(COutputSettings::MaxTitleLength);
    if (!title.isEmpty() && title.back().isHighSurrogate()) {
        title.chop(1);
    }
    return title.toStdU16String();
}

bool IsTicked(const QCheckBox* box) {
    return box->checkState() == Qt::Checked;
}

} // namespace

std::shared_ptr<COutputSettings> CtrlsSettings::OutputSettings() const {
    auto settings = std::make_shared<COutputSettings>();
    const auto& boxes = m_panel.txtSettings;
    settings->SetRowCount(boxes[0]->Value());
    settings->SetColumnCount(boxes[1]->Value());
    settings->SetRowSpacing(boxes[2]->Value());
    settings->SetColumnSpacing(boxes[3]->Value());
    settings->SetRowCountPerTitle(boxes[4]->Value());
    settings->SetTitle(TitleText(m_panel.txtTitle->text()));
    settings->SetIsFillQuestions(IsTicked(m_panel.chkFillQuestion));
    settings->SetIsShowAnswer(IsTicked(m_panel.chkShowAnswer));
    return settings;
}

} // namespace kelvo
