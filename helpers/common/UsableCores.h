#pragma once

// The cores this process may run on: a container or `taskset` may hold it to fewer than
// the machine has, which QThread::idealThreadCount does not see. At least 1.
int usableCores();
