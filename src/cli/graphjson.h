#pragma once

#include <string>

namespace vantrel {

struct CircularGraph;
struct ProfileGraph;

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

}  // namespace vantrel
