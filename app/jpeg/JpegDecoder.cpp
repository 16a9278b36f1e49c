#include "app/jpeg/JpegDecoder.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/jpeg/JpegHuffman.h"
#include "app/jpeg/JpegIdct.h"

namespace quillon {

namespace {

// Far beyond any picture the program carries; it bounds what a damaged header can ask for.
constexpr int64_t kMaxPixels = int64_t(1) << 26;

// The body of one marker segment, read with bounds checks.
class TSegment {
public:
    TSegment(const uint8_t* data, size_t begin, size_t end) : data_(data), pos_(begin), end_(end) {}
    uint8_t Byte() {
        if (pos_ >= end_) throw EJpegError("JPEG marker segment is too short");
        return data_[pos_++];
    }
    int Word() {
        const int high = Byte();
        return (high << 8) | Byte();
    }
    bool AtEnd() const { return pos_ == end_; }
    void ExpectEnd() const {
        if (!AtEnd()) throw EJpegError("JPEG marker segment has the wrong length");
    }
    size_t End() const { return end_; }

private:
    const uint8_t* data_;
    size_t pos_;
    size_t end_;
};

struct TFrameComponent {
    int id = 0;
    int h = 1;  // sampling factors
    int v = 1;
    int quantTable = 0;
    int dcTable = 0;
    int acTable = 0;
    // The blocks that hold the component's own samples; a scan of this component alone
    // covers exactly these.
    int blocksWide = 0;
    int blocksHigh = 0;
    // The samples, padded to whole MCUs.
    int planeWidth = 0;
    std::vector<uint8_t> plane;
    int dcPredictor = 0;
    bool scanned = false;
};

class TJpegDecoder {
public:
    TJpegDecoder(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    TJpegImage Decode() {
        if (size_ < 2 || data_[0] != 0xFF || data_[1] != 0xD8) throw EJpegError("Not a JPEG file");
        size_t pos = 2;
        for (;;) {
            if (pos >= size_ || data_[pos] != 0xFF) throw EJpegError("JPEG marker expected");
            while (pos < size_ && data_[pos] == 0xFF) ++pos;  // fill bytes
            if (pos >= size_) throw EJpegError("JPEG data ends early");
            const uint8_t marker = data_[pos++];
            if (marker == 0xD9) break;  // end of image
            if ((marker >= 0xD0 && marker <= 0xD8) || marker == 0x01) throw EJpegError("Unexpected JPEG marker");
            if (pos + 2 > size_) throw EJpegError("JPEG data ends early");
            const size_t length = (size_t(data_[pos]) << 8) | data_[pos + 1];
            if (length < 2 || pos + length > size_) throw EJpegError("JPEG marker segment runs past the end");
            TSegment segment(data_, pos + 2, pos + length);
            pos += length;
            switch (marker) {
                case 0xC0:
                case 0xC1: ReadFrame(segment); break;
                case 0xC2: case 0xC3: case 0xC5: case 0xC6: case 0xC7:
                case 0xC9: case 0xCA: case 0xCB: case 0xCD: case 0xCE: case 0xCF:
                    throw EJpegError("Progressive, lossless and arithmetic-coded JPEG files are not supported");
                case 0xC4: ReadHuffmanTables(segment); break;
                case 0xDB: ReadQuantTables(segment); break;
                case 0xDD:
                    restartInterval_ = segment.Word();
                    segment.ExpectEnd();
                    break;
                case 0xDA: pos = ReadScan(segment); break;
                default: break;  // application data, comments and the like
            }
        }
        if (components_.empty()) throw EJpegError("JPEG file holds no picture");
        for (const TFrameComponent& c : components_)
            if (!c.scanned) throw EJpegError("JPEG data misses a colour component");
        return Assemble();
    }

private:
    void ReadFrame(TSegment& s) {
        if (!components_.empty()) throw EJpegError("JPEG file holds more than one picture");
        if (s.Byte() != 8) throw EJpegError("Only JPEG files with 8-bit samples are supported");
        height_ = s.Word();
        width_ = s.Word();
        if (width_ == 0 || height_ == 0) throw EJpegError("JPEG picture size is invalid");
        if (int64_t(width_) * height_ > kMaxPixels) throw EJpegError("JPEG picture is too large");
        const int count = s.Byte();
        if (count != 1 && count != 3) throw EJpegError("JPEG files of " + std::to_string(count) + " colour components are not supported");
        std::vector<TFrameComponent> components(count);
        for (int i = 0; i < count; ++i) {
            TFrameComponent& c = components[i];
            c.id = s.Byte();
            const int sampling = s.Byte();
            c.h = sampling >> 4;
            c.v = sampling & 15;
            c.quantTable = s.Byte();
            if (c.h < 1 || c.h > 4 || c.v < 1 || c.v > 4) throw EJpegError("JPEG sampling factors are invalid");
            if (c.quantTable > 3) throw EJpegError("JPEG quantization table number is invalid");
            for (int j = 0; j < i; ++j)
                if (components[j].id == c.id) throw EJpegError("JPEG colour components share a number");
        }
        s.ExpectEnd();

        for (const TFrameComponent& c : components) {
            hMax_ = std::max(hMax_, c.h);
            vMax_ = std::max(vMax_, c.v);
        }
        for (const TFrameComponent& c : components)
            if (hMax_ % c.h != 0 || vMax_ % c.v != 0) throw EJpegError("JPEG sampling factors are not supported");
        mcusWide_ = (width_ + 8 * hMax_ - 1) / (8 * hMax_);
        mcusHigh_ = (height_ + 8 * vMax_ - 1) / (8 * vMax_);
        int64_t blocks = 0;
        for (TFrameComponent& c : components) {
            const int samplesWide = (width_ * c.h + hMax_ - 1) / hMax_;
            const int samplesHigh = (height_ * c.v + vMax_ - 1) / vMax_;
            c.blocksWide = (samplesWide + 7) / 8;
            c.blocksHigh = (samplesHigh + 7) / 8;
            blocks += int64_t(c.blocksWide) * c.blocksHigh;
        }
        // Every block takes at least two bits (its DC code and its end-of-block code), so a file
        // shorter than that cannot hold the picture its header announces.
        if (int64_t(size_ - s.End()) * 4 < blocks) throw EJpegError("JPEG data is too short for its picture size");
        for (TFrameComponent& c : components) {
            c.planeWidth = mcusWide_ * c.h * 8;
            c.plane.assign(size_t(c.planeWidth) * size_t(mcusHigh_ * c.v * 8), 0);
        }
        components_ = std::move(components);
    }

    void ReadQuantTables(TSegment& s) {
        while (!s.AtEnd()) {
            const int spec = s.Byte();
            const int precision = spec >> 4;
            const int table = spec & 15;
            if (precision > 1 || table > 3) throw EJpegError("JPEG quantization table is invalid");
            for (int k = 0; k < 64; ++k) quant_[table][k] = uint16_t(precision ? s.Word() : s.Byte());
            quantDefined_[table] = true;
        }
    }

    void ReadHuffmanTables(TSegment& s) {
        while (!s.AtEnd()) {
            const int spec = s.Byte();
            const int tableClass = spec >> 4;
            const int table = spec & 15;
            if (tableClass > 1 || table > 3) throw EJpegError("JPEG Huffman table is invalid");
            uint8_t counts[16];
            int total = 0;
            for (uint8_t& count : counts) total += count = s.Byte();
            if (total > 256) throw EJpegError("JPEG Huffman table is invalid");
            uint8_t symbols[256];
            for (int i = 0; i < total; ++i) symbols[i] = s.Byte();
            (tableClass == 0 ? dc_ : ac_)[table].Build(counts, symbols, total);
        }
    }

    // Reads the scan header and decodes the scan's data; returns where the next marker is.
    size_t ReadScan(TSegment& s) {
        if (components_.empty()) throw EJpegError("JPEG scan comes before the picture header");
        const size_t count = s.Byte();
        if (count < 1 || count > components_.size()) throw EJpegError("JPEG scan is invalid");
        std::vector<TFrameComponent*> scan;
        for (size_t i = 0; i < count; ++i) {
            const int id = s.Byte();
            const int tables = s.Byte();
            TFrameComponent* component = nullptr;
            for (TFrameComponent& c : components_)
                if (c.id == id) component = &c;
            if (!component) throw EJpegError("JPEG scan names an unknown colour component");
            for (const TFrameComponent* other : scan)
                if (other == component) component = nullptr;
            if (!component || component->scanned) throw EJpegError("JPEG colour component is scanned twice");
            component->dcTable = tables >> 4;
            component->acTable = tables & 15;
            if (component->dcTable > 3 || component->acTable > 3 || !dc_[component->dcTable].Defined() ||
                !ac_[component->acTable].Defined() || !quantDefined_[component->quantTable])
                throw EJpegError("JPEG scan uses an undefined table");
            scan.push_back(component);
        }
        const int spectralStart = s.Byte();
        const int spectralEnd = s.Byte();
        const int approximation = s.Byte();
        s.ExpectEnd();
        if (spectralStart != 0 || spectralEnd != 63 || approximation != 0) throw EJpegError("JPEG scan is not sequential");
        int blocksPerMcu = 0;
        for (const TFrameComponent* c : scan) blocksPerMcu += c->h * c->v;
        if (scan.size() > 1 && blocksPerMcu > 10) throw EJpegError("JPEG scan is invalid");

        TBitReader reader(data_, size_, s.End());
        for (TFrameComponent* c : scan) c->dcPredictor = 0;
        const bool single = scan.size() == 1;
        const int64_t mcus = single ? int64_t(scan[0]->blocksWide) * scan[0]->blocksHigh : int64_t(mcusWide_) * mcusHigh_;
        for (int64_t m = 0; m < mcus; ++m) {
            if (restartInterval_ > 0 && m > 0 && m % restartInterval_ == 0) {
                reader.Restart(int((m / restartInterval_ - 1) & 7));
                for (TFrameComponent* c : scan) c->dcPredictor = 0;
            }
            if (single) {
                TFrameComponent& c = *scan[0];
                DecodeBlock(reader, c, int(m % c.blocksWide), int(m / c.blocksWide));
                continue;
            }
            const int mcuX = int(m % mcusWide_);
            const int mcuY = int(m / mcusWide_);
            for (TFrameComponent* c : scan)
                for (int v = 0; v < c->v; ++v)
                    for (int h = 0; h < c->h; ++h) DecodeBlock(reader, *c, mcuX * c->h + h, mcuY * c->v + v);
        }
        for (TFrameComponent* c : scan) c->scanned = true;
        return reader.EndOfScan();
    }

    void DecodeBlock(TBitReader& reader, TFrameComponent& c, int blockX, int blockY) {
        const uint16_t* quant = quant_[c.quantTable];
        float coefficients[64] = {};

        const int dcSize = reader.Decode(dc_[c.dcTable]);
        if (dcSize > 11) throw EJpegError("JPEG data is damaged");
        c.dcPredictor += dcSize ? reader.Receive(dcSize) : 0;
        // No 8-bit picture has a DC value this large; stopping here also keeps the sum in range.
        if (c.dcPredictor < -32768 || c.dcPredictor > 32767) throw EJpegError("JPEG data is damaged");
        coefficients[0] = float(c.dcPredictor) * quant[0];

        for (int k = 1; k < 64;) {
            const int symbol = reader.Decode(ac_[c.acTable]);
            const int run = symbol >> 4;
            const int size = symbol & 15;
            if (size == 0) {
                if (run != 15) break;  // end of block
                k += 16;               // sixteen zeros
                if (k > 64) throw EJpegError("JPEG data is damaged");
                continue;
            }
            k += run;
            if (k > 63) throw EJpegError("JPEG data is damaged");
            coefficients[kZigZag[k]] = float(reader.Receive(size)) * quant[k];
            ++k;
        }
        InverseDct(coefficients, &c.plane[size_t(blockY) * 8 * c.planeWidth + size_t(blockX) * 8], c.planeWidth);
    }

    // The sample of a component at a picture position; subsampled components are repeated.
    static uint8_t Sample(const TFrameComponent& c, int stepX, int stepY, int x, int y) {
        return c.plane[size_t(y / stepY) * c.planeWidth + size_t(x / stepX)];
    }

    static uint8_t Clamp(float value) {
        const float rounded = std::floor(value + 0.5f);
        return rounded <= 0.0f ? 0 : rounded >= 255.0f ? 255 : uint8_t(rounded);
    }

    TJpegImage Assemble() const {
        TJpegImage image;
        image.Width = width_;
        image.Height = height_;
        image.Channels = components_.size() == 1 ? 1 : 3;
        image.Pixels.resize(size_t(width_) * height_ * image.Channels);
        uint8_t* out = image.Pixels.data();
        if (image.Channels == 1) {
            const TFrameComponent& grey = components_[0];
            for (int y = 0; y < height_; ++y)
                for (int x = 0; x < width_; ++x) *out++ = grey.plane[size_t(y) * grey.planeWidth + x];
            return image;
        }
        const TFrameComponent& luma = components_[0];
        const TFrameComponent& blue = components_[1];
        const TFrameComponent& red = components_[2];
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                const float l = Sample(luma, hMax_ / luma.h, vMax_ / luma.v, x, y);
                const float cb = Sample(blue, hMax_ / blue.h, vMax_ / blue.v, x, y) - 128.0f;
                const float cr = Sample(red, hMax_ / red.h, vMax_ / red.v, x, y) - 128.0f;
                *out++ = Clamp(l + 1.402f * cr);
                *out++ = Clamp(l - 0.344136f * cb - 0.714136f * cr);
                *out++ = Clamp(l + 1.772f * cb);
            }
        return image;
    }

    const uint8_t* data_;
    size_t size_;
    uint16_t quant_[4][64] = {};  // stream (zig-zag) order
    bool quantDefined_[4] = {};
    THuffmanTable dc_[4];
    THuffmanTable ac_[4];
    int restartInterval_ = 0;
    int width_ = 0;
    int height_ = 0;
    int hMax_ = 1;
    int vMax_ = 1;
    int mcusWide_ = 0;
    int mcusHigh_ = 0;
    std::vector<TFrameComponent> components_;
};

}  // namespace

TJpegImage DecodeJpeg(const uint8_t* data, size_t size) { return TJpegDecoder(data, size).Decode(); }

}  // namespace quillon
