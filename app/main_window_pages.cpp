// Construction of the window's menus and wait page, and the tab order through
// all pages.
#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>
#include <array>
#include <utility>
#include <vector>

#include "app/about_dialog.h"
#include "app/app_texts.h"
#include "app/birth_page.h"
#include "app/book_texts.h"
#include "app/day_texts.h"
#include "app/election_page.h"
#include "app/main_window.h"
#include "app/match_texts.h"
#include "app/preferences_texts.h"
#include "app/program_links.h"
#include "app/result_area.h"
#include "app/subject_page.h"
#include "app/translation.h"

namespace horavela::app {

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(Tr(texts::kMenuFile));
  file->setObjectName("mnuFile");
  QAction* renew = file->addAction(Tr(texts::kMenuNewEvaluation), this, &MainWindow::NewEvaluation);
  renew->setObjectName("mnuNewEvaluation");
  renew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  QAction* book = file->addAction(Tr(texts::kMenuBook), this, &MainWindow::OpenBook);
  book->setObjectName("mnuBook");
  file->addSeparator();
  QAction* exit = file->addAction(Tr(texts::kMenuExit), this, &QWidget::close);
  exit->setObjectName("mnuExit");
  exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

  QMenu* edit = menuBar()->addMenu(Tr(texts::kMenuEdit));
  edit->setObjectName("mnuEdit");
  QAction* preferences =
      edit->addAction(Tr(texts::kMenuPreferences), this, &MainWindow::OpenPreferences);
  preferences->setObjectName("mnuPreferences");
  preferences->setMenuRole(QAction::PreferencesRole);
  preferences->setShortcut(QKeySequence::Preferences);

  QMenu* view = menuBar()->addMenu(Tr(texts::kMenuView));
  view->setObjectName("mnuView");
  QAction* day = view->addAction(Tr(texts::kMenuDayAtAGlance), this, &MainWindow::ShowDayAtAGlance);
  day->setObjectName("mnuDayAtAGlance");
  BuildLanguageMenu(view);

  QMenu* tools = menuBar()->addMenu(Tr(texts::kMenuTools));
  tools->setObjectName("mnuTools");
  QAction* match = tools->addAction(Tr(texts::kMenuMatch), this, [this] { OpenMatch(); });
  match->setObjectName("mnuMatch");

  QMenu* help = menuBar()->addMenu(Tr(texts::kMenuHelp));
  help->setObjectName("mnuHelp");
  const std::array<std::pair<QString, QUrl>, 3> pages = {{
      {Tr(texts::kMenuOnlineHelp), OnlineHelpUrl()},
      {Tr(texts::kMenuVisitUs), VisitUsUrl()},
      {Tr(texts::kMenuUpdate), UpdateUrl()},
  }};
  const char* names[] = {"mnuOnlineHelp", "mnuVisitUs", "mnuUpdate"};
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const QUrl url = pages[i].second;
    QAction* action = help->addAction(pages[i].first, this, [this, url] {
      if (!services_.openUrl(url)) {
        services_.messages->Show(MessageIcon::Error,
                                 QString(Tr(texts::kNoBrowserForPage)).arg(url.toString()));
      }
    });
    action->setObjectName(names[i]);
  }
  help->addSeparator();
  QAction* about = help->addAction(Tr(texts::kMenuAbout), this, [this] {
    AboutDialog box(this);
    box.exec();
  });
  about->setObjectName("mnuAbout");
}

QWidget* MainWindow::BuildWaitPage() {
  auto* page = new QWidget;
  page->setObjectName("picMessage");
  auto* text = new QLabel(Tr(texts::kPleaseWait), page);
  text->setObjectName("lblMessage");
  text->setAlignment(Qt::AlignCenter);
  text->setWordWrap(true);
  QFont font = text->font();
  font.setPointSizeF(font.pointSizeF() * 1.5);
  font.setBold(true);
  text->setFont(font);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(text);
  return page;
}

void MainWindow::SetTabOrder() {
  // Reading order, page by page.
  std::vector<QWidget*> order = startPage_->TabStops();
  for (const std::vector<QWidget*>& page :
       {electionPage_->TabStops(), birthPage_->TabStops(), resultArea_->TabStops()}) {
    order.insert(order.end(), page.begin(), page.end());
  }
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace horavela::app
