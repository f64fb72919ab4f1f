#include "help/intactresource.h"

#include <QList>
#include <QSet>

#include <optional>

namespace help {

namespace {

constexpr qint64 kDirectoryFlag = 0x02;
constexpr qint64 kHeaderSize = 20;  // magic, version, tree, data and names offsets

// Big-endian numbers of a resource, read only within its bytes.
class ResourceBytes {
public:
    explicit ResourceBytes(const QByteArray& bytes) : bytes_(bytes) {}

    bool Holds(qint64 offset, qint64 length) const {
        return offset >= 0 && length >= 0 && length <= bytes_.size() - offset;
    }

    std::optional<qint64> Number(qint64 offset, int width) const {
        if (!Holds(offset, width)) {
            return std::nullopt;
        }
        qint64 value = 0;
        for (int i = 0; i < width; ++i) {
            value = (value << 8) | static_cast<uchar>(bytes_[offset + i]);
        }
        return value;
    }

private:
    const QByteArray& bytes_;
};

struct Layout {
    qint64 tree = 0;
    qint64 data = 0;
    qint64 names = 0;
    qint64 nodeSize = 0;
};

std::optional<Layout> ReadLayout(const ResourceBytes& in, const QByteArray& bytes) {
    const auto version = in.Number(4, 4);
    const auto tree = in.Number(8, 4);
    const auto data = in.Number(12, 4);
    const auto names = in.Number(16, 4);
    if (!bytes.startsWith("qres") || !in.Holds(0, kHeaderSize) || *version < 1 || *version > 3) {
        return std::nullopt;
    }
    // From version 2 on every node ends with its modification time.
    return Layout{*tree, *data, *names, *version >= 2 ? 22 : 14};
}

bool NameIsIntact(const ResourceBytes& in, const Layout& layout, qint64 nameOffset) {
    const auto length = in.Number(layout.names + nameOffset, 2);
    return length && in.Holds(layout.names + nameOffset, 6 + 2 * *length);
}

bool DataIsIntact(const ResourceBytes& in, const Layout& layout, qint64 dataOffset) {
    const auto length = in.Number(layout.data + dataOffset, 4);
    return length && in.Holds(layout.data + dataOffset + 4, *length);
}

}  // namespace

bool IsIntactResource(const QByteArray& bytes) {
    const ResourceBytes in(bytes);
    const std::optional<Layout> layout = ReadLayout(in, bytes);
    if (!layout) {
        return false;
    }
    QList<qint64> pending{0};
    QSet<qint64> seen;
    while (!pending.isEmpty()) {
        const qint64 node = pending.takeLast();
        const qint64 at = layout->tree + node * layout->nodeSize;
        if (seen.contains(node) || !in.Holds(at, layout->nodeSize)) {
            return false;
        }
        seen.insert(node);
        // The root has no name of its own.
        if (node != 0 && !NameIsIntact(in, *layout, *in.Number(at, 4))) {
            return false;
        }
        if ((*in.Number(at + 4, 2) & kDirectoryFlag) == 0) {
            if (!DataIsIntact(in, *layout, *in.Number(at + 10, 4))) {
                return false;
            }
            continue;
        }
        const qint64 count = *in.Number(at + 6, 4);
        const qint64 first = *in.Number(at + 10, 4);
        // Children follow their directory; this also keeps the walk finite.
        if (count > 0 && (first <= node || !in.Holds(layout->tree + first * layout->nodeSize,
                                                     count * layout->nodeSize))) {
            return false;
        }
        for (qint64 child = first; child < first + count; ++child) {
            pending.push_back(child);
        }
    }
    return true;
}

}  // namespace help
