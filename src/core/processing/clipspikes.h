#pragma once

namespace vantrel {

/// How many of the largest and of the smallest readings the trimmed mean of
/// ClipSpikes leaves out: n / 10 rounded half up, computed in single precision.
int ClipTrimCount(int n);

/// Clips the spikes of `n` readings in place. The trimmed mean leaves out the
/// round(n / 10) largest and smallest readings; readings above mean * factor
/// are cut to a limit that grows by 20 % with every reading met above it,
/// walking from the smallest reading up. Arithmetic is single precision, the
/// growth factor 1.2 is applied in double precision and rounded to float.
/// Meant for 6 < n; n <= 0 does nothing. Always returns true.
bool ClipSpikes(float* values, int n, float factor);

/// Scales `n` readings in place so that their largest becomes `target`
/// (v = target * (v / max), single precision). When no reading is above 0 the
/// readings are left as they are instead of being divided by zero; returns
/// false then, true otherwise.
bool ScaleToMax(int n, float* values, float target);

}  // namespace vantrel
