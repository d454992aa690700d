<?php
// Converter wrapper that KELVANOR's conversion scripts load from the working directory:
// class Prince runs the HTML-to-PDF converter executable it is constructed with and
// writes the PDF beside the document, under its name with ".pdf" for its extension.
class Prince
{
    private $exePath;
    private $inputType = 'auto';
    private $logFile = '';

    public function __construct($exePath)
    {
        $this->exePath = $exePath;
    }

    public function setHTML($html)
    {
        $this->inputType = $html ? 'html' : 'auto';
    }

    public function setLog($logFile)
    {
        $this->logFile = $logFile;
    }

    // Converts one document; the converter's messages are appended to $msgs, one line
    // each. True only when the converter succeeded and left a non-empty PDF.
    public function convert_file($xmlPath, &$msgs = array())
    {
        $pdfPath = preg_replace('/\.[^.\/]*$/', '', $xmlPath) . '.pdf';
        $args = array($this->exePath, '--input=' . $this->inputType);
        if ($this->logFile !== '') {
            $args[] = '--log=' . $this->logFile;
        }
        array_push($args, $xmlPath, '-o', $pdfPath);
        $command = implode(' ', array_map('escapeshellarg', $args)) . ' 2>&1';

        $output = array();
        $status = -1;
        exec($command, $output, $status);
        foreach ($output as $line) {
            $msgs[] = $line;
        }
        clearstatcache();
        return $status === 0 && is_file($pdfPath) && filesize($pdfPath) > 0;
    }
}
