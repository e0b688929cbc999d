#include "projectsamples.h"

EstimateRow roomRow(const QString &name, float long_, float width, float height, int checkType)
{
    EstimateRow row;
    row.kind = QStringLiteral("room");
    row.room.name = name;
    row.room.long_ = long_;
    row.room.width = width;
    row.room.height = height;
    row.room.checkType = checkType;
    return row;
}

EstimateRow itemRow(const QString &name, const QString &desc, const QString &kind, float num)
{
    EstimateRow row;
    row.kind = QStringLiteral("construct");
    row.item.itemName = name;
    row.item.itemDesc = desc;
    row.item.categoryKind = kind;
    row.item.brand.num = num;
    return row;
}

MtLine mtLine(const QString &id, const QString &name, const QString &classify, float price, float num)
{
    MtLine m;
    m.id = id;
    m.name = name;
    m.classify = classify;
    m.price = price;
    m.num = num;
    return m;
}

namespace {

ProjectInfo goldenInfo()
{
    ProjectInfo info;
    info.name = QStringLiteral("花园 一期");
    info.address = QStringLiteral(" 北京市 朝阳区 ");
    info.customer = QStringLiteral("客户姓名"); // the form still shows its label
    info.model = QString();
    info.area = QStringLiteral("120.5");
    info.number = QStringLiteral("\tA-1 ");
    info.writer = QStringLiteral("张三");
    info.contactphone = QStringLiteral("联系电话");
    info.Date = QStringLiteral("2024-05-01");
    return info;
}

EstimateRow goldenLawn()
{
    EstimateRow row =
        itemRow(QStringLiteral("铺草坪"), QStringLiteral("含 \"找平\""), QStringLiteral("1"), 12.5f);
    BrandData &b = row.item.brand;
    b.unit = QStringLiteral("m2");
    b.loss = 0.05f;
    b.material = 8.25f;
    b.materialprofit = 0.00205f; // 0.20 % as a float product, 0.21 % in double
    b.machine = 1.5f;
    b.machineprofit = 0.00275f; // 0.28 % as a float product, 0.27 % in double
    b.laborcost = 20.0f;
    b.laborprofit = 0.1f;
    b.management = 3.333f;
    b.managementprofit = 0.125f;
    b.tax = 0.0345f;
    MtLine turf =
        mtLine(QStringLiteral("M1"), QStringLiteral("草皮"), QStringLiteral("材料"), 12.345678f, 1.05f);
    turf.kind = QStringLiteral("0");
    turf.code = QStringLiteral("C01");
    turf.unit = QStringLiteral("m2");
    turf.desc = QStringLiteral("马尼拉");
    MtLine sand = mtLine(QStringLiteral("M2"), QStringLiteral("沙"), QStringLiteral("机械"), 80.0f, 0.1f);
    sand.kind = QStringLiteral("0");
    sand.code = QStringLiteral("C02");
    sand.unit = QStringLiteral("t");
    MtLine roller =
        mtLine(QStringLiteral("J1"), QStringLiteral("压路机"), QStringLiteral("机械"), 350.5f, 0.002f);
    roller.kind = QStringLiteral("1");
    roller.code = QStringLiteral("K01");
    roller.unit = QStringLiteral("台班");
    b.materials = {turf, sand};
    b.machines = {roller};
    return row;
}

} // namespace

ProjectSample goldenSample()
{
    ProjectSample s;
    s.info = goldenInfo();
    s.rates.mainProfit = QStringLiteral("5");
    s.rates.loss = QStringLiteral("3");
    s.rates.tax = QStringLiteral("7");
    s.rates.profitEnabled = true;
    s.rates.taxEnabled = true;
    s.page.pagesize = QStringLiteral("A3");

    EstimateRow early =
        itemRow(QStringLiteral("前置项"), QStringLiteral("无房间"), QStringLiteral("3"), 1.0f);
    early.item.brand.unit = QStringLiteral("m2");
    early.item.brand.material = 2.0f;
    early.item.brand.laborcost = 3.0f;
    s.rows.append(early);

    EstimateRow living = roomRow(QStringLiteral("客厅"), 3.456f, 2.5f, 2.8f, 1);
    living.room.doors = {Opening{0.9f, 2.1f, QStringLiteral("大门")}, Opening{0.8f, 2.0f, QString()}};
    living.room.windows = {Opening{1.5f, 1.2f, QStringLiteral("南窗")}};
    s.rows.append(living);
    s.rows.append(goldenLawn());
    EstimateRow tree = itemRow(QStringLiteral("种树"), QString(), QStringLiteral("2"), 3.0f);
    tree.item.brand.unit = QStringLiteral("株");
    s.rows.append(tree);

    s.rows.append(roomRow(QStringLiteral("后院"), 40.0f, 26.0f, 0.0f, 0));
    EstimateRow fence = itemRow(QStringLiteral("围栏"), QStringLiteral("木质"), QStringLiteral("4"), -2.5f);
    fence.item.brand.unit = QStringLiteral("m");
    fence.item.brand.loss = 1.0f;
    s.rows.append(fence);
    EstimateRow other;
    other.kind = QStringLiteral("subtotal"); // rows of other kinds leave no trace in the file
    other.room.name = QStringLiteral("不写");
    s.rows.append(other);
    return s;
}
