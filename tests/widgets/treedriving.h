#pragma once

#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

// A category or item of a library tree by its shown name.
inline QTreeWidgetItem *nodeNamed(QTreeWidget *tree, const QString &name)
{
    for (int top = 0; top < tree->topLevelItemCount(); ++top) {
        QTreeWidgetItem *category = tree->topLevelItem(top);
        if (category->text(0).trimmed() == name)
            return category;
        for (int child = 0; child < category->childCount(); ++child) {
            if (category->child(child)->text(0).trimmed() == name)
                return category->child(child);
        }
    }
    return nullptr;
}

// Double-clicks a node where the user sees it; queued requests then run.
inline void doubleClickNode(QTreeWidget *tree, QTreeWidgetItem *node)
{
    ASSERT_NE(node, nullptr);
    ASSERT_TRUE(tree->isVisible());
    tree->scrollToItem(node);
    const QPoint at = tree->visualItemRect(node).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::qWait(40);
}

inline void clickNode(QTreeWidget *tree, QTreeWidgetItem *node)
{
    ASSERT_NE(node, nullptr);
    tree->scrollToItem(node);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, Qt::NoModifier, tree->visualItemRect(node).center());
    QTest::qWait(40);
}
