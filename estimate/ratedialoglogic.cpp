#include "ratedialoglogic.h"

#include "ratetext.h"

namespace {

struct RateTexts {
    const char16_t *title;
    const char16_t *label;
    const char16_t *confirmation;
    int editId;
    int tableCode;
};

const RateTexts &textsOf(RateKind kind)
{
    static const RateTexts profit{u"设置利润", u"利润率(%)", u"确定统一设置项目利润?", 1101, 13};
    static const RateTexts loss{u"设置损耗", u"损耗率(%)", u"确定统一设置项目损耗?", 1022, 14};
    static const RateTexts tax{u"设置税金", u"税率(%)", u"确定统一设置项目税金?", 1103, 17};
    return kind == RateKind::Profit ? profit : kind == RateKind::Loss ? loss : tax;
}

const QString &rateText(const RateSettings &rates, RateKind kind)
{
    return kind == RateKind::Profit ? rates.mainProfit : kind == RateKind::Loss ? rates.loss : rates.tax;
}

QString &rateText(RateSettings &rates, RateKind kind)
{
    return kind == RateKind::Profit ? rates.mainProfit : kind == RateKind::Loss ? rates.loss : rates.tax;
}

bool &rateFlag(RateSettings &rates, RateKind kind)
{
    return kind == RateKind::Profit ? rates.profitEnabled
           : kind == RateKind::Loss ? rates.lossEnabled
                                    : rates.taxEnabled;
}

} // namespace

RateDialogLogic::RateDialogLogic(RateKind kind, const RateSettings &rates)
    : m_kind(kind), m_editText(rateText(rates, kind))
{
}

int RateDialogLogic::editId() const
{
    return textsOf(m_kind).editId;
}

int RateDialogLogic::tableCode() const
{
    return textsOf(m_kind).tableCode;
}

QString RateDialogLogic::title() const
{
    return QString::fromUtf16(textsOf(m_kind).title);
}

QString RateDialogLogic::labelText() const
{
    return QString::fromUtf16(textsOf(m_kind).label);
}

QString RateDialogLogic::confirmationText() const
{
    return QString::fromUtf16(textsOf(m_kind).confirmation);
}

QString RateDialogLogic::noticeText()
{
    return QStringLiteral("请输入有效的数字");
}

QString RateDialogLogic::skinElement(int controlId)
{
    switch (controlId) {
    case CancelId:
        return QStringLiteral("TempClose");
    case OkId:
        return QStringLiteral("TempSure");
    case NoticeId:
        return QStringLiteral("SetProfit_remind");
    case LabelId:
        return QStringLiteral("SaveDlgstatic");
    case 1101:
    case 1022:
    case 1103:
        return QStringLiteral("SetProfit_LossEdit");
    default:
        return QString();
    }
}

void RateDialogLogic::setEditText(const QString &text)
{
    if (m_step == Step::Entry)
        m_editText = text;
}

void RateDialogLogic::pressOk(RateSettings &rates)
{
    switch (m_step) {
    case Step::Entry:
    case Step::Refused:
        m_step = isValidRateText(m_editText) ? Step::Confirm : Step::Refused;
        break;
    case Step::Confirm:
        confirm(rates);
        break;
    case Step::Closed:
        break;
    }
}

void RateDialogLogic::confirm(RateSettings &rates)
{
    // The rate stored is the text that passed the check: blanks inside it
    // would otherwise make the applied number differ from the confirmed one.
    QString text = withoutBlanks(m_editText);
    if (!text.isEmpty()) {
        rateFlag(rates, m_kind) = true;
        text.remove(u'%');
    }
    rateText(rates, m_kind) = text;
    m_settingsChanged = true;
    m_sentCode = tableCode();
    m_step = Step::Closed;
}

void RateDialogLogic::focusNotice()
{
    if (m_step != Step::Refused)
        return;
    m_editText.clear();
    m_step = Step::Entry;
}

void RateDialogLogic::pressCancel()
{
    if (m_step == Step::Closed)
        return;
    if (m_step == Step::Confirm && m_kind != RateKind::Tax)
        m_sentCode = RelayoutCode;
    m_step = Step::Closed;
}

void RateDialogLogic::close()
{
    m_step = Step::Closed;
}

RateDialogView RateDialogLogic::view() const
{
    RateDialogView v;
    v.title = title();
    v.editText = m_editText;
    v.edit = QRect(155, 94, 190, 25);
    v.notice = QRect(170, 94, 190, 25);
    v.noticeText = noticeText();
    if (m_step == Step::Confirm) {
        v.labelText = confirmationText();
        v.label = QRect(128, 94, 200, 25);
        v.editVisible = false;
        v.cancelButton = QPoint(123, 166);
        v.okButton = QPoint(m_kind == RateKind::Profit ? 248 : 228, 166);
        v.focus = OkId;
        return v;
    }
    v.labelText = labelText();
    v.label = QRect(70, 95, 70, 25);
    v.cancelButton = QPoint(209, 176);
    v.okButton = QPoint(314, 176);
    v.editVisible = m_step != Step::Refused;
    v.noticeVisible = m_step == Step::Refused;
    v.focus = m_step == Step::Refused ? OkId : editId();
    return v;
}
