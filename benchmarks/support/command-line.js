// The benchmark scripts' command line, as the shell scripts have it: --help (or -h) prints the usage
// to standard output and exits with 0; an option the script does not know, or arguments it cannot
// use, print the usage to standard error and exit with 2, before anything is written.
//
//   const { argumentsOf, refuse } = require('../support/command-line');
//   const [output, count = '10'] = argumentsOf(USAGE, ['--fast']);
//   if (!output) refuse(USAGE);
'use strict';

// Prints `message` (if any) and the usage to standard error and exits with 2.
function refuse(usage, message = '') {
  process.stderr.write(`${message ? `${message}\n` : ''}${usage}\n`);
  process.exit(2);
}

// The script's arguments, once --help has been answered and no unknown option is among them.
function argumentsOf(usage, options = []) {
  const args = process.argv.slice(2);
  if (args.includes('--help') || args.includes('-h')) {
    process.stdout.write(`${usage}\n`);
    process.exit(0);
  }
  const unknown = args.find((arg) => arg.startsWith('-') && !options.includes(arg));
  if (unknown !== undefined) refuse(usage, `unknown option ${unknown}`);
  return args;
}

module.exports = { argumentsOf, refuse };
