#pragma once
// The operation a file job runs, and the state of its worker once the job has ended. The
// operation codes double as the worker's running states.

inline constexpr int JOB_ENCRYPT = 1;
inline constexpr int JOB_DECRYPT = 2;
inline constexpr int JOB_DONE = 3;
