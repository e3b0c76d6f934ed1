#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <functional>

// How Dovalin decodes a JPEG that it makes alone, the only pictures its eighth-scale
// decoder takes (in a batch the image reader decodes on every thread): by the decoder,
// in a child process of its own for each picture, so that a fault in the decoder costs
// no more than that picture's fast path and the image reader still makes the picture;
// or, with the decoder switched off, by the image reader alone.
class EighthScaleDecoding
{
public:
    using Decoder = std::function<QImage(const QByteArray& file, const QSize& target, int threads)>;

    // Set to a value that is not empty, this environment variable switches the decoder off.
    static const char* const OFF_VARIABLE;
    // A picture the decoder has not made by then is left to the image reader.
    static constexpr int DEADLINE_MS = 10000;

    // The eighth-scale decoder, on unless the environment switches it off (read here,
    // once per call). Tests give a `decoder` that fails in its place, and a deadline.
    static EighthScaleDecoding fromEnvironment(Decoder decoder = Decoder(), int deadlineMs = DEADLINE_MS);
    // Switched off: the image reader decodes every picture.
    EighthScaleDecoding() = default;

    bool isEnabled() const { return enabled; }

    // The picture at `target` as the decoder makes it in a child process, on at most
    // `threads` threads; null when the decoder does not take it, or, with the reason in
    // `failure`, when its process crashed, failed or ran past the deadline.
    QImage decode(const QByteArray& file, const QSize& target, int threads, QString* failure) const;

private:
    bool enabled = false;
    Decoder decoder;
    int deadlineMs = DEADLINE_MS;
};
