// The yardstick for start-up: a bare Qt window holding a table with the same
// number of rows as a new user's list, and nothing else. Built a second time
// with DUNOK_BARE_LIST_FONTS, the same table in the list's own font size (the
// application font at 14 points, the countdown column measured in it), to
// show how much of Dunok's start is that font alone.
#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMainWindow>
#include <QStandardItemModel>
#include <QTableView>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    QStandardItemModel model(19, 2);
#ifdef DUNOK_BARE_LIST_FONTS
    QFont listFont = QApplication::font();
    listFont.setPointSizeF(14.0);
#endif
    for (int r = 0; r < 19; ++r) {
        model.setItem(r, 0, new QStandardItem(QStringLiteral("Timer %1").arg(r)));
        model.setItem(r, 1, new QStandardItem(QStringLiteral("%1m").arg(r)));
#ifdef DUNOK_BARE_LIST_FONTS
        model.item(r, 0)->setFont(listFont);
        model.item(r, 1)->setFont(listFont);
#endif
    }
    auto* table = new QTableView;
    table->setModel(&model);
    table->verticalHeader()->hide();
#ifdef DUNOK_BARE_LIST_FONTS
    table->horizontalHeader()->resizeSection(
        1, QFontMetrics(listFont).horizontalAdvance(QStringLiteral("00:00:00 PM")) + 16);
#endif
    window.setCentralWidget(table);
    window.setWindowTitle(QStringLiteral("Table"));
    // The size Dunok's window first opens at: the first picture's cost grows
    // with the window's area (the new backing store's memory is touched then).
    window.resize(540, 640);
    window.show();
    return app.exec();
}
