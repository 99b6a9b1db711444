#pragma once

#include <string>

namespace vantrel {

struct CircularGraph;
struct ProfileGraph;
struct SectionGraph;

/// A float as the shortest JSON number that reads back to the same float;
/// null for infinities and not-a-number, which JSON cannot hold.
std::string JsonNumber(float value);

/// One line of JSON, without the line end:
/// {"kind":"vertical"|"plane","title":T,"bands":N,"curves":[{"height":h,
///  "axis_title":S|null,"mean":M,"points":[[x,y],...],"regions":[{"kind":
///  "high"|"low"|"low-last","level":V,"from":A,"to":B},...]},...]}
std::string GraphJson(const ProfileGraph& graph);

/// {"kind":"circular","title":T,"charts":[{"values":[8 numbers],"label":L,
///  "x":X,"y":Y},...],"scroll":[W,H]}
std::string GraphJson(const CircularGraph& graph);

/// {"kind":"section","title":T,"x":[positions],"heights":[shallow to deep],
///  "values":[[one per position],...one row per height]}, null where no reading.
std::string GraphJson(const SectionGraph& graph);

}  // namespace vantrel
