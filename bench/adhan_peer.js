// The npm package adhan on the same place-dates and angles; prints its differences from the reference.
// node adhan_peer.js reference.csv   (with adhan installed in NODE_PATH)
const fs = require('fs');
const adhan = require('adhan');
const path = require('path');
const adhanVersion = JSON.parse(fs.readFileSync(path.join(process.env.NODE_PATH, 'adhan', 'package.json'), 'utf8')).version;
const lines = fs.readFileSync(process.argv[2], 'utf8').trim().split('\n');
const head = lines[0].split(',');
const names = ['fajr', 'sunrise', 'dhuhr', 'asr', 'maghrib', 'isha'];
const labels = ['Fajer', 'Shuroq', 'Dhohur', 'Aser', 'Maghereb', 'Isha'];
const refCols = ['fajer', 'shuroq', 'dhohur', 'aser_time', 'maghereb', 'isha'];
const diffs = names.map(() => []);
const depression = (a) => (a >= 90 ? a - 90 : a);
for (const line of lines.slice(1)) {
  const v = line.split(',');
  const r = Object.fromEntries(head.map((h, i) => [h, v[i]]));
  let lat = +r.latDeg + r.latMin / 60 + r.latSec / 3600;
  let lon = +r.lonDeg + r.lonMin / 60 + r.lonSec / 3600;
  if (r.latDir === 'S') lat = -lat;
  if (r.lonDir === 'W') lon = -lon;
  const params = adhan.CalculationMethod.Other();
  params.fajrAngle = depression(+r.angleFajer);
  params.ishaAngle = depression(+r.angleIsha);
  params.madhab = +r.aser === 2 ? adhan.Madhab.Hanafi : adhan.Madhab.Shafi;
  params.highLatitudeRule = adhan.HighLatitudeRule.MiddleOfTheNight;
  params.rounding = adhan.Rounding.None;
  const date = new Date(+r.year, +r.month - 1, +r.day);
  let times;
  try {
    times = new adhan.PrayerTimes(new adhan.Coordinates(lat, lon), date, params);
  } catch (e) {
    continue;
  }
  const midnight = Date.UTC(+r.year, +r.month - 1, +r.day) - r.zone * 3600e3;
  names.forEach((n, i) => {
    const ref = r[refCols[i]];
    const t = times[n];
    if (ref === 'none' || !(t instanceof Date) || isNaN(t.getTime())) return;
    let d = ((t.getTime() - midnight) / 1000 - +ref) % 86400;
    if (d > 43200) d -= 86400;
    if (d < -43200) d += 86400;
    diffs[i].push(Math.abs(d));
  });
}
console.log(`adhan ${adhanVersion} against the reference table (seconds):`);
console.log(`  ${'event'.padEnd(9)} ${'count'.padStart(6)} ${'median'.padStart(8)} ${'max'.padStart(8)}`);
names.forEach((n, i) => {
  const d = diffs[i].sort((a, b) => a - b);
  if (!d.length) return;
  console.log(`  ${labels[i].padEnd(9)} ${String(d.length).padStart(6)} ${d[d.length >> 1].toFixed(2).padStart(8)} ${d[d.length - 1].toFixed(2).padStart(8)}`);
});
