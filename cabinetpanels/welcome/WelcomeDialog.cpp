#include "WelcomeDialog.h"

#include "CategoryHeaderItem.h"
#include "HelpWidget.h"
#include "ListIteratorThread.h"
#include "MyThumbnailItem.h"
#include "PathFunctions.h"
#include "RecurseDirThread.h"
#include "ScreenFunctions.h"
#include "VorendaGlobal.h"
#include "VorendaShelf.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>

WelcomeDialog::WelcomeDialog(QWidget* parent)
    : ModalWindow(parent)
{
    setupUi(this);
    setWindowIcon(QIcon());
    setWindowFlags(Qt::WindowStaysOnTopHint);
    connect(startButton, &QPushButton::clicked, this, &WelcomeDialog::start);
    connect(finishButton, &QPushButton::clicked, this, &WelcomeDialog::finish);

    // A style whose name is listed already takes over that entry.
    for (auto style = VorendaGlobal::shelfStyles.cbegin(); style != VorendaGlobal::shelfStyles.cend(); ++style) {
        const int index = styleComboBox->findText(style->name, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (index == -1)
            styleComboBox->addItem(style->name, style.key());
        else
            styleComboBox->setItemData(index, style.key());
    }
    styleComboBox->setMaxVisibleItems(qMax(1, styleComboBox->count()));
    connect(styleComboBox, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &WelcomeDialog::onCurrentStyleChanged);

    recurseDirThread = new RecurseDirThread(this);
    listIteratorThread = new ListIteratorThread(this);
    connect(listIteratorThread, &ListIteratorThread::finished, this, &WelcomeDialog::onListIteratorThreadFinished);
    connect(listIteratorThread, &ListIteratorThread::itemFound, this, &WelcomeDialog::onItemFound);
    connect(recurseDirThread, &RecurseDirThread::finished, this, &WelcomeDialog::onRecurseDirThreadFinished);
    connect(recurseDirThread, &RecurseDirThread::fileFound, this, &WelcomeDialog::onFileFound);
    connect(recurseDirThread, &RecurseDirThread::dirFound, this, &WelcomeDialog::onDirFound);
    centerOnScreen(this);
    currentOperation = 0;
}

WelcomeDialog::~WelcomeDialog()
{
    // Each waits for its worker to end.
    delete recurseDirThread;
    delete listIteratorThread;
}

int WelcomeDialog::exec(VorendaShelf* shelf)
{
    cabinet = shelf;
    if (cabinet) {
        const int index = styleComboBox->findData(cabinet->style.key);
        if (index != -1) {
            const QSignalBlocker quiet(styleComboBox);
            styleComboBox->setCurrentIndex(index);
        }
    }
    return run();
}

void WelcomeDialog::start()
{
    startButton->setEnabled(false);
    startButton->hide();
    finishButton->setText(tr("Abort"));
    currentOperation = 0;
    doOperation();
}

void WelcomeDialog::finish()
{
    currentOperation = 3;
    stopWalks();
    QCoreApplication::processEvents();
    ModalWindow::finish(0);
    help();
}

void WelcomeDialog::help()
{
    HelpWidget::instance()->show();
}

void WelcomeDialog::stopWalks()
{
    recurseDirThread->abort();
    listIteratorThread->abort();
}

void WelcomeDialog::onCurrentStyleChanged(int index)
{
    // A cabinet locked meanwhile keeps its style; its items are refused by the cabinet.
    if (index == -1 || !cabinet || cabinet->kiosk)
        return;
    const ShelfStyle style = VorendaGlobal::shelfStyles.value(styleComboBox->itemData(index).toInt());
    cabinet->onApplyStyle(style, AllElements);
    cabinet->onApplyStyleChange(style);
}

void WelcomeDialog::doOperation()
{
    if (currentOperation >= 3) {
        finishButton->setText(tr("Finish"));
        return;
    }
    static const char* const categoryNames[] = {QT_TR_NOOP("Desktop"), QT_TR_NOOP("Applications"),
                                                QT_TR_NOOP("Utilities")};
    QVariant data = -1;
    if (cabinet) {
        if (CategoryHeaderItem* category = cabinet->addCategory(tr(categoryNames[currentOperation]), -1))
            data = category->getKey();
    }
    applicationWalk.clear();
    // The second row counts the applications and the utilities together.
    if (currentOperation < 2)
        addedToRow = 0;
    if (currentOperation == 0) {
        // The desktop may hold whole folders the user keeps there; they become items.
        recurseDirThread->start(getStorageLocation(QStandardPaths::DesktopLocation), data,
                                RecurseDirThread::EmitDirFound | RecurseDirThread::EmitEmptyDirs
                                    | RecurseDirThread::DirAsFile);
        return;
    }
    // There is no folder of programs here: the menus' entries stand for them.
    const auto selection = currentOperation == 1 ? ApplicationWalk::NotInCategory : ApplicationWalk::InCategory;
    QList<RecurseDirThread::Data*> jobs = ApplicationWalk::jobs(data, selection, QStringLiteral("Utility"));
    if (jobs.isEmpty()) {
        onRecurseDirThreadFinished(0, 0, false);
        return;
    }
    recurseDirThread->start(jobs, QThread::InheritPriority);
}

QLabel* WelcomeDialog::statusLabel() const
{
    return currentOperation == 0 ? statusDesktop : statusQuickLaunch;
}

void WelcomeDialog::addFound(const QString& name, const QString& path, const QVariant& data)
{
    ++addedToRow;
    if (!cabinet)
        return;
    const QVariant key = ApplicationWalk::callerData(data);
    if (MyThumbnailItem* item = cabinet->addItem(name, path, QPixmap(), key.toInt(), GenericPath)) {
        statusLabel()->setText(item->properties.name);
        statusLabel()->repaint();
    }
}

void WelcomeDialog::onFileFound(QString name, QString path, QVariant data)
{
    if (recurseDirThread->aborted())
        return;
    if (!ApplicationWalk::isApplicationReport(data) || applicationWalk.take(path, data, name))
        addFound(name, path, data);
    recurseDirThread->next();
}

void WelcomeDialog::onDirFound(QString name, QString path, QVariant data)
{
    if (currentOperation > 2 || recurseDirThread->aborted())
        return;
    addFound(name, path, data);
    recurseDirThread->next(data, RecurseDirThread::EmitDirFound | RecurseDirThread::DirAsFile);
}

void WelcomeDialog::onRecurseDirThreadFinished(int, int, bool)
{
    // The walker counts every entry it met; of the application entries only some are programs to list.
    if (currentOperation <= 2) {
        statusLabel()->setText(tr("%n items added", nullptr, addedToRow));
        statusLabel()->repaint();
    }
    if (cabinet) {
        cabinet->updateStatusLabel();
        // What was added is kept even if the program ends before its next save.
        cabinet->save();
    }
    ++currentOperation;
    doOperation();
}

void WelcomeDialog::onItemFound(void* item, QVariant)
{
    if (!listIteratorThread->aborted() && item)
        listIteratorThread->next();
}

void WelcomeDialog::onListIteratorThreadFinished(QList<void*>* list, int items, bool)
{
    delete list;
    if (currentOperation == 0) {
        statusDesktop->setText(tr("%n items added", nullptr, items));
        statusDesktop->repaint();
    }
    ++currentOperation;
    doOperation();
}

void WelcomeDialog::setThumbnail(QLabel* label, QPixmap pixmap)
{
    if (pixmap.width() > label->width() || pixmap.height() > label->height())
        pixmap = pixmap.scaled(label->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    label->setPixmap(pixmap);
}

void WelcomeDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (startButton->isEnabled())
            start();
        else
            finish();
        event->accept();
        break;
    case Qt::Key_Escape:
        event->accept();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void WelcomeDialog::showEvent(QShowEvent* event)
{
    ModalWindow::showEvent(event);
    setFixedSize(size());
    // The rows are laid out only now: a resize before the first show saw the titles unsized.
    fitStatusLabels();
}

void WelcomeDialog::resizeEvent(QResizeEvent* event)
{
    ModalWindow::resizeEvent(event);
    fitStatusLabels();
}

void WelcomeDialog::fitStatusLabels()
{
    statusDesktop->setFixedWidth(labelDesktop->width());
    statusQuickLaunch->setFixedWidth(labelQuickLaunch->width());
}

void WelcomeDialog::closeEvent(QCloseEvent* event)
{
    if (!hasEnded()) {
        currentOperation = 3;
        stopWalks();
    }
    ModalWindow::closeEvent(event);
}
