// SPDX-License-Identifier: GPL-3.0-or-later
#include "OnnxInputShape.h"

#include <QFile>
#include <cstdint>
#include <optional>
#include <vector>

namespace karvo {

namespace {
// Field numbers of onnx.proto on the path ModelProto.graph.input[].type.tensor_type.shape.dim[].dim_value.
constexpr std::uint64_t modelGraph = 7;
constexpr std::uint64_t graphInput = 11;
constexpr std::uint64_t valueInfoType = 2;
constexpr std::uint64_t typeTensor = 1;
constexpr std::uint64_t tensorShape = 2;
constexpr std::uint64_t shapeDim = 1;
constexpr std::uint64_t dimValue = 1;

constexpr int wireVarint = 0;
constexpr int wire64 = 1;
constexpr int wireBytes = 2;
constexpr int wire32 = 5;

struct Span {
    const unsigned char* data;
    qsizetype size;
};

struct Field {
    std::uint64_t number = 0;
    int wire = 0;
    std::uint64_t varint = 0; // for wireVarint
    Span bytes{nullptr, 0};   // for wireBytes
};

// A forward reader over one protobuf message; any malformed input stops it.
class Reader {
public:
    explicit Reader(Span span) : m_pos(span.data), m_end(span.data + span.size) {}

    // The next field; nothing at the end or on malformed data.
    std::optional<Field> next()
    {
        if (m_pos >= m_end)
            return std::nullopt;
        std::uint64_t key = 0;
        if (!readVarint(key))
            return std::nullopt;
        Field field;
        field.number = key >> 3;
        field.wire = static_cast<int>(key & 7);
        bool ok = false;
        switch (field.wire) {
        case wireVarint:
            ok = readVarint(field.varint);
            break;
        case wire64:
            ok = skip(8);
            break;
        case wire32:
            ok = skip(4);
            break;
        case wireBytes: {
            std::uint64_t length = 0;
            ok = readVarint(length) && length <= static_cast<std::uint64_t>(m_end - m_pos);
            if (ok) {
                field.bytes = Span{m_pos, static_cast<qsizetype>(length)};
                m_pos += length;
            }
            break;
        }
        default:
            break;
        }
        return ok ? std::optional<Field>(field) : std::nullopt;
    }

private:
    bool readVarint(std::uint64_t& value)
    {
        value = 0;
        for (int shift = 0; shift < 64 && m_pos < m_end; shift += 7) {
            const unsigned char byte = *m_pos++;
            value |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
            if ((byte & 0x80) == 0)
                return true;
        }
        return false;
    }
    bool skip(qsizetype n)
    {
        if (m_end - m_pos < n)
            return false;
        m_pos += n;
        return true;
    }

    const unsigned char* m_pos;
    const unsigned char* m_end;
};

// The first length-delimited field `wanted` of a message.
std::optional<Span> child(Span message, std::uint64_t wanted)
{
    Reader reader(message);
    while (const auto field = reader.next()) {
        if (field->number == wanted && field->wire == wireBytes)
            return field->bytes;
    }
    return std::nullopt;
}

// Dimensions of a ValueInfoProto's tensor type; 0 stands for a dynamic dimension.
std::vector<std::int64_t> dims(Span valueInfo)
{
    std::vector<std::int64_t> result;
    const auto type = child(valueInfo, valueInfoType);
    const auto tensor = type ? child(*type, typeTensor) : std::nullopt;
    const auto shape = tensor ? child(*tensor, tensorShape) : std::nullopt;
    if (!shape)
        return result;
    Reader reader(*shape);
    while (const auto dim = reader.next()) {
        if (dim->number != shapeDim || dim->wire != wireBytes)
            continue;
        std::int64_t value = 0;
        Reader dimReader(dim->bytes);
        while (const auto f = dimReader.next()) {
            if (f->number == dimValue && f->wire == wireVarint)
                value = static_cast<std::int64_t>(f->varint);
        }
        result.push_back(value);
    }
    return result;
}
} // namespace

std::optional<QSize> OnnxInputShape::parse(const unsigned char* data, qsizetype size)
{
    const auto graph = child(Span{data, size}, modelGraph);
    if (!graph)
        return std::nullopt;
    Reader reader(*graph);
    while (const auto input = reader.next()) {
        if (input->number != graphInput || input->wire != wireBytes)
            continue;
        const std::vector<std::int64_t> d = dims(input->bytes);
        if (d.size() != 4)
            continue;
        constexpr std::int64_t largest = 16384;
        if (d[2] < 1 || d[3] < 1 || d[2] > largest || d[3] > largest)
            return std::nullopt;
        return QSize(static_cast<int>(d[3]), static_cast<int>(d[2]));
    }
    return std::nullopt;
}

std::optional<QSize> OnnxInputShape::read(const QString& modelPath)
{
    QFile file(modelPath);
    if (!file.open(QIODevice::ReadOnly) || file.size() <= 0)
        return std::nullopt;
    // Mapped rather than read: the weights, most of the file, are skipped and never paged in.
    const uchar* data = file.map(0, file.size());
    if (!data)
        return std::nullopt;
    auto result = parse(data, file.size());
    file.unmap(const_cast<uchar*>(data));
    return result;
}

} // namespace karvo
