#include "TestEnvironment.h"

#include "SceneFixtures.h"
#include "ThumbnailItemModel.h"

#include <QSignalSpy>
#include <QSortFilterProxyModel>

class TestThumbnailItemModel : public QObject
{
    Q_OBJECT

private slots:
    void rowsFollowDisplayOrder();
    void outsideRowsGiveNothing();
    void resetFollowsChanges();
};

void TestThumbnailItemModel::rowsFollowDisplayOrder()
{
    ThumbnailView view;
    view.setCategoryHeader(1, makeHeader(QStringLiteral("cat")));
    for (int i = 0; i < 3; ++i)
        view.addItem(makeNamedItem(QStringLiteral("loose %1").arg(i)), false);
    view.addItem(makeNamedItem(QStringLiteral("first"), 1), false);
    view.addItem(makeNamedItem(QStringLiteral("second"), 1), false);
    view.resetModel();
    ThumbnailItemModel* model = view.model();
    QCOMPARE(model->parent(), &view);
    QCOMPARE(model->rowCount(), 5);
    QCOMPARE(model->columnCount(), 1);
    QCOMPARE(model->data(model->index(4, 0)).toString(), QStringLiteral("second"));
    QCOMPARE(model->data(model->index(0, 0), 33).toString(), QStringLiteral("loose 0"));

    // A proxy sees the same rows.
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(model);
    proxy.setFilterFixedString(QStringLiteral("o"));
    QCOMPARE(proxy.rowCount(), 4);
}

void TestThumbnailItemModel::outsideRowsGiveNothing()
{
    ThumbnailView view;
    view.addItem(makeNamedItem(QStringLiteral("only")));
    ThumbnailItemModel* model = view.model();
    QVERIFY(!model->data(model->index(1, 0)).isValid());
    QVERIFY(!model->data(QModelIndex()).isValid());
    QVERIFY(!model->headerData(0, Qt::Horizontal, Qt::DisplayRole).isValid());
}

void TestThumbnailItemModel::resetFollowsChanges()
{
    ThumbnailView view;
    QSignalSpy reset(view.model(), &QAbstractItemModel::modelReset);
    view.addItem(makeNamedItem(QStringLiteral("b")));
    view.addItem(makeNamedItem(QStringLiteral("a")));
    QCOMPARE(reset.count(), 2);
    QCOMPARE(view.model()->rowCount(), 2);
    view.sortItems(-1, false, Qt::AscendingOrder);
    QCOMPARE(view.model()->data(view.model()->index(0, 0)).toString(), QStringLiteral("a"));
    view.removeAt(-1, 0);
    QCOMPARE(view.model()->rowCount(), 1);
    QCOMPARE(view.model()->data(view.model()->index(0, 0)).toString(), QStringLiteral("b"));
    view.clear();
    QCOMPARE(view.model()->rowCount(), 0);
}

VORENDA_TEST_MAIN(TestThumbnailItemModel)
#include "tst_thumbnailitemmodel.moc"
