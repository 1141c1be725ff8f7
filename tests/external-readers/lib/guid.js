// The IFC GlobalId form of a GUID: its 32 hex digits in text order make a 128-bit number, written as
// 22 digits of base 64 (the first digit carries the top 2 bits).
//   compress('{E0000000-0000-4000-8000-000000000011}') === '3W0000001008000000000H'
'use strict';

const DIGITS = '0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$';

function compress(guid) {
  const hex = guid.replace(/[{}-]/g, '');
  if (!/^[0-9a-fA-F]{32}$/.test(hex)) throw new Error(`not a GUID: ${guid}`);
  let n = BigInt('0x' + hex);
  let out = '';
  for (let i = 0; i < 22; i++, n >>= 6n) out = DIGITS[Number(n & 63n)] + out;
  return out;
}

module.exports = { compress };
