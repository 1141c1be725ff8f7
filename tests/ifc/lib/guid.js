// The IFC GlobalId form of a GUID: its 32 hex digits in text order make a 128-bit number, written as
// 22 digits of base 64 (the first digit carries the top 2 bits). Used by the checks to find the
// elements that the example add-on names by GUID.
'use strict';

const DIGITS = '0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$';

// '{E0000000-0000-4000-8000-000000000011}' -> '3W00000000G0000000000H'
function compress(guid) {
  const hex = guid.replace(/[{}-]/g, '');
  if (!/^[0-9a-fA-F]{32}$/.test(hex)) throw new Error(`not a GUID: ${guid}`);
  let n = BigInt('0x' + hex);
  let out = '';
  for (let i = 0; i < 22; i++) {
    out = DIGITS[Number(n & 63n)] + out;
    n >>= 6n;
  }
  return out;
}

// '3W00000000G0000000000H' -> 'E0000000-0000-4000-8000-000000000011'
function expand(globalId) {
  if (!/^[0-3][0-9A-Za-z_$]{21}$/.test(globalId)) throw new Error(`not a GlobalId: ${globalId}`);
  let n = 0n;
  for (const c of globalId) n = (n << 6n) | BigInt(DIGITS.indexOf(c));
  const hex = n.toString(16).toUpperCase().padStart(32, '0');
  return `${hex.slice(0, 8)}-${hex.slice(8, 12)}-${hex.slice(12, 16)}-${hex.slice(16, 20)}-${hex.slice(20)}`;
}

module.exports = { compress, expand };
