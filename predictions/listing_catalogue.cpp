#include "predictions/listing_catalogue.h"

#include <algorithm>
#include <span>
#include <utility>

#include "predictions/listing_tables.h"

namespace tessaly::predictions {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

std::optional<std::string_view> FindException(Edition edition, int index,
                                              int entry, LineKind line) {
  const auto* found = std::ranges::find_if(
      kLineExceptions, [&](const LineException& exception) {
        return exception.edition == edition && exception.index == index &&
               exception.entry == entry && exception.line == line;
      });
  if (found == kLineExceptions.end()) return std::nullopt;
  return found->text;
}

class ListingWriter {
 public:
  void AddLine(std::string_view line) {
    if (!text_.empty()) text_ += kLineBreak;
    text_ += line;
  }

  template <class... Pieces>
  void AddJoined(const Pieces&... pieces) {
    if (!text_.empty()) text_ += kLineBreak;
    ((text_ += pieces), ...);
  }

  std::string Take() { return std::move(text_); }

 private:
  std::string text_;
};

}  // namespace

std::optional<std::string> ComposeListing(Edition edition, std::int16_t index) {
  const std::span<const RegionListing> catalogue = Catalogue(edition);
  if (index < 0 || static_cast<std::size_t>(index) >= catalogue.size()) {
    return std::nullopt;
  }
  const RegionListing& region = catalogue[static_cast<std::size_t>(index)];
  const LineTemplates& templates = Templates(edition);

  ListingWriter writer;
  int entry = 0;
  for (const ListingItem& item : region.items) {
    if (item.kind == ListingItem::Kind::kFreeLine) {
      writer.AddLine(item.text);
      continue;
    }
    if (item.kind != ListingItem::Kind::kEntries) continue;
    std::string_view subjects = item.text;
    while (!subjects.empty()) {
      const std::size_t end = std::min(subjects.find(' '), subjects.size());
      const std::string_view subject = subjects.substr(0, end);
      subjects.remove_prefix(std::min(end + 1, subjects.size()));
      ++entry;

      if (const auto name =
              FindException(edition, index, entry, LineKind::kName)) {
        writer.AddLine(*name);
      } else if (region.name_forms == NameForms::kAllLong || entry == 1) {
        writer.AddJoined(templates.long_name_head, region.place_word,
                         templates.long_name_tail, subject);
      } else {
        writer.AddJoined(templates.short_name_head, region.place_word,
                         templates.short_name_tail, subject);
      }

      if (const auto intro =
              FindException(edition, index, entry, LineKind::kIntro)) {
        writer.AddLine(*intro);
      } else {
        writer.AddJoined(templates.intro_head, region.intro_word,
                         templates.intro_middle, subject, templates.intro_tail,
                         item.source);
      }
    }
  }
  return writer.Take();
}

int RegionCount(Edition edition) {
  return static_cast<int>(Catalogue(edition).size());
}

std::string_view RegionCaption(Edition edition, int index) {
  const std::span<const RegionListing> catalogue = Catalogue(edition);
  if (index < 0 || static_cast<std::size_t>(index) >= catalogue.size()) {
    return {};
  }
  return catalogue[static_cast<std::size_t>(index)].caption;
}

}  // namespace tessaly::predictions
