// Reading the window from a screenshot of the page: a PNG decoder for what Chromium writes
// (8-bit RGB or RGBA, not interlaced) and the face's geometry, in client coordinates, as the
// window's layout gives it: centre (201, 289), radius 189, positions 0..59 clockwise from
// straight up, every point cut towards zero as the program places its marks and hands.
'use strict';
const zlib = require('node:zlib');

function decodePng(buffer) {
  const width = buffer.readUInt32BE(16), height = buffer.readUInt32BE(20);
  const channels = buffer[25] === 6 ? 4 : 3;
  const chunks = [];
  for (let at = 8; at < buffer.length;) {
    const length = buffer.readUInt32BE(at), type = buffer.toString('latin1', at + 4, at + 8);
    if (type === 'IDAT')
      chunks.push(buffer.subarray(at + 8, at + 8 + length));
    at += length + 12;
  }
  const raw = zlib.inflateSync(Buffer.concat(chunks));
  const stride = width * channels, pixels = Buffer.alloc(stride * height);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)], line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let x = 0; x < stride; ++x) {
      const a = x >= channels ? pixels[y * stride + x - channels] : 0;
      const b = y > 0 ? pixels[(y - 1) * stride + x] : 0;
      const c = x >= channels && y > 0 ? pixels[(y - 1) * stride + x - channels] : 0;
      const p = a + b - c, pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
      const predicted = [0, a, b, (a + b) >> 1, pa <= pb && pa <= pc ? a : pb <= pc ? b : c][filter];
      pixels[y * stride + x] = (line[x] + predicted) & 0xff;
    }
  }
  return {
    width, height,
    pixel(x, y) {
      if (x < 0 || y < 0 || x >= width || y >= height)
        return null;
      const at = (y * width + x) * channels;
      return [pixels[at], pixels[at + 1], pixels[at + 2]];
    },
  };
}

const CENTRE = [201, 289], RADIUS = 189;
const face = {
  HOUR_KNOB: RADIUS - 85, MINUTE_KNOB: RADIUS - 65, NUMERAL: RADIUS - 10, DOT: RADIUS - 18,
  point(position, distance) {
    const angle = -6 * position * Math.PI / 180;
    return [CENTRE[0] - Math.trunc(Math.sin(angle) * distance), CENTRE[1] - Math.trunc(Math.cos(angle) * distance)];
  },
};
const same = (rgb, colour) => rgb !== null && rgb.every((v, i) => v === colour[i]);
const isDark = rgb => rgb !== null && Math.max(...rgb) < 64;
const isWhite = rgb => rgb !== null && Math.min(...rgb) > 240;

// The share of distances 45..92 (both hands cross that band; knobs and marks lie beyond) at
// which the ray's pixel passes the test; with a spread, any pixel that close to the ray does
// (a thin line strays a pixel from the points cut towards zero).
function rayCover(shot, position, test, from = 45, to = 93, spread = 0) {
  let hits = 0;
  for (let d = from; d < to; ++d) {
    const [x, y] = face.point(position, d);
    let hit = false;
    for (let dx = -spread; dx <= spread && !hit; ++dx)
      for (let dy = -spread; dy <= spread && !hit; ++dy)
        hit = test(shot.pixel(x + dx, y + dy));
    hits += hit ? 1 : 0;
  }
  return hits / (to - from);
}

// The hour (0..11) that the hands show with the minute hand at 12, or null.
function hourOnFace(shot) {
  const positions = [];
  for (let p = 0; p < 60; ++p)
    if (rayCover(shot, p, isDark) >= 0.9)
      positions.push(p);
  const others = positions.filter(p => p !== 0);
  if (!positions.includes(0) || others.length > 1 || others[0] % 5)
    return null;
  if (others.length === 1)
    return others[0] / 5;
  // The hour hand is twice as wide as the minute hand: a thin line alone is no hour.
  let across = 0;
  for (let dx = -6; dx <= 6; ++dx)
    across += isDark(shot.pixel(CENTRE[0] + dx, CENTRE[1] - 45)) ? 1 : 0;
  return across >= 5 ? 0 : null;
}

// The centre of the white knob at this distance from the face's centre, or null.
function knobCentre(shot, distance) {
  const inner = distance - 9, outer = distance + 9, xs = [], ys = [];
  for (let y = CENTRE[1] - outer; y <= CENTRE[1] + outer; ++y)
    for (let x = CENTRE[0] - outer; x <= CENTRE[0] + outer; ++x) {
      const r2 = (x - CENTRE[0]) ** 2 + (y - CENTRE[1]) ** 2;
      if (r2 >= inner * inner && r2 <= outer * outer && isWhite(shot.pixel(x, y))) {
        xs.push(x);
        ys.push(y);
      }
    }
  if (xs.length < 60)
    return null;
  const mean = v => Math.round(v.reduce((s, a) => s + a, 0) / v.length);
  const centre = [mean(xs), mean(ys)];
  const compact = xs.every(x => Math.abs(x - centre[0]) <= 7) && ys.every(y => Math.abs(y - centre[1]) <= 7);
  return compact ? centre : null;
}

// How many pixels of the rectangle have exactly this colour.
function count(shot, [x, y, w, h], colour) {
  let n = 0;
  for (let dy = 0; dy < h; ++dy)
    for (let dx = 0; dx < w; ++dx)
      n += same(shot.pixel(x + dx, y + dy), colour) ? 1 : 0;
  return n;
}

module.exports = { decodePng, face, same, isDark, rayCover, hourOnFace, knobCentre, count };
