// Composes the text of one exam region's prediction listing.
#ifndef TESSALY_PREDICTIONS_LISTING_CATALOGUE_H_
#define TESSALY_PREDICTIONS_LISTING_CATALOGUE_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tessaly::predictions {

enum class Edition { Gaokao, Zhongkao };

// The listing of region `index` of `edition`: UTF-8 text whose lines are
// separated by CR LF, with none before the first line or after the last.
// `index` is what a board's region button delivers; an index outside the
// edition's regions gives no listing.
std::optional<std::string> ComposeListing(Edition edition, std::int16_t index);

// 15 gaokao regions, 24 zhongkao regions.
int RegionCount(Edition edition);

// The text of a region's button; empty for an index outside the edition.
std::string_view RegionCaption(Edition edition, int index);

}  // namespace tessaly::predictions

#endif  // TESSALY_PREDICTIONS_LISTING_CATALOGUE_H_
