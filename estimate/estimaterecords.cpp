#include "estimaterecords.h"

#include <array>

namespace {

struct HeadField {
    QString ProjectInfo::*member;
    const char16_t *tag;
    const char16_t *label;
};

const std::array<HeadField, ProjectInfo::FieldCount> &headFields()
{
    static const std::array<HeadField, ProjectInfo::FieldCount> fields{{
        {&ProjectInfo::name, u"name", u"项目名称"},
        {&ProjectInfo::address, u"address", u"项目地址"},
        {&ProjectInfo::customer, u"customer", u"客户姓名"},
        {&ProjectInfo::model, u"model", u"项目类型"},
        {&ProjectInfo::area, u"area", u"建筑面积"},
        {&ProjectInfo::number, u"number", u"项目编号"},
        {&ProjectInfo::writer, u"writer", u"编制人"},
        {&ProjectInfo::contactphone, u"contactphone", u"联系电话"},
        {&ProjectInfo::Date, u"Date", u"编制日期"},
    }};
    return fields;
}

} // namespace

QString roomKindName(int kind)
{
    static const char16_t *names[] = {u"", u"主卧", u"客厅", u"厨房", u"卫生间", u"阳台", u"自定义", u"次卧"};
    if (kind < 1 || kind > 7)
        return QString();
    return QString::fromUtf16(names[kind]);
}

QString &ProjectInfo::field(int i)
{
    return this->*(headFields().at(i).member);
}

const QString &ProjectInfo::field(int i) const
{
    return this->*(headFields().at(i).member);
}

QString ProjectInfo::fieldTag(int i)
{
    return QString::fromUtf16(headFields().at(i).tag);
}

QString ProjectInfo::fieldLabel(int i)
{
    return QString::fromUtf16(headFields().at(i).label);
}
