#pragma once

#include <functional>

class QKeyEvent;

// The keys that answer a window: Escape runs `reject`, Return and Enter run `accept`,
// and the key is taken. False, with the key left alone, for any other key.
bool handleAnswerKey(QKeyEvent* event, const std::function<void()>& accept, const std::function<void()>& reject);
