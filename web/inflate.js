// The WebAssembly module is stored in the page compressed with gzip, which keeps the one file
// small. Browsers with DecompressionStream unpack it themselves; for the others, ondaviInflate
// unpacks gzip's DEFLATE blocks (stored, fixed and dynamic Huffman codes) in plain JavaScript.
var ondaviInflate = (function () {
  "use strict";
  var LENGTH_BASE = [3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35, 43, 51, 59, 67,
    83, 99, 115, 131, 163, 195, 227, 258];
  var LENGTH_EXTRA = [0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5,
    5, 5, 0];
  var DISTANCE_BASE = [1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193, 257, 385, 513,
    769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577];
  var DISTANCE_EXTRA = [0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10,
    11, 11, 12, 12, 13, 13];
  var LENGTH_CODE_ORDER = [16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15];

  // A canonical Huffman code from its symbols' code lengths: how many codes each length has, and
  // the symbols in the order of their codes.
  function code(lengths) {
    var counts = new Uint16Array(16);
    var offsets = new Uint16Array(16);
    var symbols = new Uint16Array(lengths.length);
    var i;
    for (i = 0; i < lengths.length; ++i) counts[lengths[i]]++;
    counts[0] = 0;
    for (i = 1; i < 16; ++i) offsets[i] = offsets[i - 1] + counts[i - 1];
    for (i = 0; i < lengths.length; ++i) if (lengths[i]) symbols[offsets[lengths[i]]++] = i;
    return { counts: counts, symbols: symbols };
  }
  var fixedLengths = new Uint8Array(288);
  fixedLengths.fill(8, 0, 144).fill(9, 144, 256).fill(7, 256, 280).fill(8, 280, 288);
  var fixedDistances = new Uint8Array(30).fill(5);

  return function inflate(data) {
    var at = 0;
    var held = 0; // bits read from data and not yet used, the first in the lowest place
    var heldCount = 0;
    var out = new Uint8Array(data.length * 4);
    var size = 0;
    function bits(count) {
      while (heldCount < count) {
        if (at >= data.length) throw new Error("the compressed module is cut short");
        held |= data[at++] << heldCount;
        heldCount += 8;
      }
      var value = held & ((1 << count) - 1);
      held >>>= count;
      heldCount -= count;
      return value;
    }
    function decode(huffman) {
      var value = 0;
      var first = 0;
      var index = 0;
      for (var length = 1; length < 16; ++length) {
        value |= bits(1);
        var count = huffman.counts[length];
        if (value - first < count) return huffman.symbols[index + value - first];
        index += count;
        first = (first + count) << 1;
        value <<= 1;
      }
      throw new Error("the compressed module holds an unknown code");
    }
    function put(byte) {
      if (size === out.length) {
        var larger = new Uint8Array(out.length * 2);
        larger.set(out);
        out = larger;
      }
      out[size++] = byte;
    }

    // gzip's header, and the optional fields its flags announce.
    if (data[0] !== 0x1f || data[1] !== 0x8b || data[2] !== 8) throw new Error("not gzip");
    var flags = data[3];
    at = 10;
    if (flags & 4) at += 2 + (data[at] | (data[at + 1] << 8));
    if (flags & 8) while (data[at++]);
    if (flags & 16) while (data[at++]);
    if (flags & 2) at += 2;

    var last;
    do {
      last = bits(1);
      var type = bits(2);
      if (type === 0) {
        held = heldCount = 0; // a stored block starts at a byte
        var stored = data[at] | (data[at + 1] << 8);
        at += 4;
        for (var s = 0; s < stored; ++s) put(data[at++]);
        continue;
      }
      if (type === 3) throw new Error("the compressed module holds an unknown block");
      var literals, distances;
      if (type === 1) {
        literals = code(fixedLengths);
        distances = code(fixedDistances);
      } else {
        var literalCount = bits(5) + 257;
        var distanceCount = bits(5) + 1;
        var lengthCount = bits(4) + 4;
        var lengthLengths = new Uint8Array(19);
        for (var l = 0; l < lengthCount; ++l) lengthLengths[LENGTH_CODE_ORDER[l]] = bits(3);
        var lengthCode = code(lengthLengths);
        var lengths = new Uint8Array(literalCount + distanceCount);
        for (var n = 0; n < lengths.length; ) {
          var symbol = decode(lengthCode);
          if (symbol < 16) {
            lengths[n++] = symbol;
            continue;
          }
          var repeated = symbol === 16 ? lengths[n - 1] : 0;
          var times = symbol === 16 ? 3 + bits(2) : symbol === 17 ? 3 + bits(3) : 11 + bits(7);
          while (times--) lengths[n++] = repeated;
        }
        literals = code(lengths.subarray(0, literalCount));
        distances = code(lengths.subarray(literalCount));
      }
      for (;;) {
        var literal = decode(literals);
        if (literal < 256) {
          put(literal);
        } else if (literal === 256) {
          break;
        } else {
          literal -= 257;
          var length = LENGTH_BASE[literal] + bits(LENGTH_EXTRA[literal]);
          var d = decode(distances);
          var distance = DISTANCE_BASE[d] + bits(DISTANCE_EXTRA[d]);
          while (length--) put(out[size - distance]);
        }
      }
    } while (!last);
    return out.subarray(0, size);
  };
})();
