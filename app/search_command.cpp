#include "app/search_command.h"

#include <QAction>
#include <QTimer>
#include <string_view>

#include "app/command_line.h"
#include "app/commands.h"
#include "app/frm_main.h"
#include "app/menu_tree.h"
#include "reader/frm_z.h"
#include "reader/reader_tools.h"
#include "search/frm_search.h"
#include "search/handbook_text.h"
#include "toolkit/forms.h"

namespace tessaly::app {
namespace {

QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList AllTitles() {
  QStringList titles;
  for (const std::u16string_view title : TopicTitles())
    titles << ToQString(title);
  return titles;
}

// The top-level menu that holds a menu item.
std::string_view SectionOf(const MenuItem& item) {
  const MenuItem* current = &item;
  while (!current->parent.empty()) {
    const MenuItem* parent = nullptr;
    for (const MenuItem& candidate : kMenuTree) {
      if (candidate.name == current->parent) parent = &candidate;
    }
    if (parent == nullptr) break;
    current = parent;
  }
  return current->name;
}

}  // namespace

std::vector<std::size_t> EditionTopics(const QString& edition_key) {
  const bool gaokao = edition_key == QString::fromUtf16(kEditionGaokao);
  const bool zhongkao = edition_key == QString::fromUtf16(kEditionZhongkao);
  std::vector<std::size_t> topics;
  if (!gaokao && !zhongkao) return topics;
  std::size_t index = 0;
  for (const MenuItem& item : kMenuTree) {
    if (item.command != MenuCommand::kTopic || item.hidden) continue;
    // The 中考 edition disables the 志愿填报篇 button.
    if (gaokao || SectionOf(item) != "menuZY") topics.push_back(index);
    ++index;
  }
  return topics;
}

void RunSearchCommand(const QString& edition_key) {
  std::vector<std::size_t> topics = EditionTopics(edition_key);
  if (topics.empty()) return;
  toolkit::Unload<search::FrmSearch>();
  search::FrmSearch* form = toolkit::Load<search::FrmSearch>();
  form->SetUp(AllTitles(), std::move(topics), &OpenTopicAt);
  toolkit::Show(form);
}

void OpenTopicAt(const QString& title, const QString& words) {
  RunTopicCommand(title);
  reader::FrmZ* reader = toolkit::Instance<reader::FrmZ>();
  if (reader != nullptr && reader->Tools() != nullptr) {
    reader->Tools()->OpenFind(words);
  }
}

void InstallHandbookSearch(FrmMain* main_window) {
  auto* search = new QAction(QStringLiteral("全文搜索"), main_window);
  search->setObjectName(QStringLiteral("ActionSearch"));
  search->setShortcut(QKeySequence::Find);
  search->setShortcutContext(Qt::WindowShortcut);
  QObject::connect(search, &QAction::triggered, main_window, [main_window] {
    RunSearchCommand(main_window->EditionKey());
  });
  main_window->addAction(search);
  // After the first paint; the build runs on a worker thread.
  QTimer::singleShot(0, main_window, [] {
    search::HandbookText::Instance().StartBuilding(AllTitles());
  });
}

}  // namespace tessaly::app
