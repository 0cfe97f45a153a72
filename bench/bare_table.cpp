// The yardstick for start-up: a bare Qt window holding a table with the same
// number of rows as a new user's list, and nothing else.
#include <QApplication>
#include <QHeaderView>
#include <QMainWindow>
#include <QStandardItemModel>
#include <QTableView>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    QStandardItemModel model(19, 2);
    for (int r = 0; r < 19; ++r) {
        model.setItem(r, 0, new QStandardItem(QStringLiteral("Timer %1").arg(r)));
        model.setItem(r, 1, new QStandardItem(QStringLiteral("%1m").arg(r)));
    }
    auto* table = new QTableView;
    table->setModel(&model);
    table->verticalHeader()->hide();
    window.setCentralWidget(table);
    window.setWindowTitle(QStringLiteral("Table"));
    window.resize(460, 640);
    window.show();
    return app.exec();
}
